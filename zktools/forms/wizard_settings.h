// What the configuration wizard's pages leave for the NV editor. Each page keeps its
// results in one of these records (a page may simply derive from its record, so the
// fields read as the page's own), and the NV editor copies them into the table when
// the wizard opens it.
#ifndef ZKTOOLS_FORMS_WIZARD_SETTINGS_H
#define ZKTOOLS_FORMS_WIZARD_SETTINGS_H

#include <cstdint>

// The motor-data page.
struct MotorDataResults {
    int32_t KipKey = 0;       // key of "Kip"
    int32_t PoleCountKey = 0; // key of "PoleCount"
    float Ke = 0.0f;          // volts rms line to line per 1000 rpm
    double PeakCurrentPct = 0.0;
    bool KeChanged = false;
};

// The control page.
struct ControlResults {
    int32_t IVMode = 1; // 1 voltage/velocity, 0 current/torque
    int32_t CmdSrc = 0; // 0 PWM command input, 1 command variable
    int32_t CmdF0Key = 0;
    int32_t EncOutKey = 0;
};

// Either PWM page: raw values of the two PWM levels and keys of the current limits.
struct PwmResults {
    int32_t PWMPlus = 0;
    int32_t PWMMinus = 0;
    int32_t ILmtPlus = 0;
    int32_t ILmtMinus = 0;
};

// Where the NV editor finds the pages' records. A missing record leaves the
// parameters it would set at their defaults.
struct WizardResultSources {
    const MotorDataResults* MotorData = nullptr;
    const ControlResults* Control = nullptr;
    const PwmResults* VoltagePwm = nullptr; // EditMode 2
    const PwmResults* CurrentPwm = nullptr; // EditMode 3
};

#endif
