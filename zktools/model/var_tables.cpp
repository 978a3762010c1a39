#include "zktools/model/var_table.h"

namespace {

// One record whose working value starts at its default.
constexpr VarTable Row(const char* name, int32_t logicAddr, int32_t nvAddr, int32_t bytes,
                       int32_t msbBit, int32_t width, uint8_t readOnly, uint8_t factoryReadOnly,
                       uint8_t userVisible, uint8_t nvParam, uint8_t monitored, int32_t type,
                       int32_t vMin, int32_t vMax, int32_t iMin, int32_t iMax, int32_t dflt,
                       const char* vUnit, const char* iUnit, const char* description) {
    return VarTable{
        name,        logicAddr, nvAddr,    bytes, msbBit,     width, readOnly, factoryReadOnly,
        userVisible, nvParam,   monitored, type,  vMin,       vMax,  iMin,     iMax,
        dflt,        dflt,      vUnit,     iUnit, description};
}

} // namespace

// clang-format off
constinit VarTable VarTables[VarTableRecords + 1] = {
    //   name          logic nv  bytes msb width ro fro uv nvp mon type  vmin    vmax   imin    imax   default vunit        iunit
    Row("AutoDis",    13, 12,  1, 5, 2,  0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  0, nullptr,      nullptr,
        "Turns on or masks the polarity check on the net command"),
    Row("CmdF0",       2,  1,  1, 6, 3,  0, 0, 1, 1, 0,  1,      0,     7,      0,     7,  4, " Hz",        " Hz",
        "Select the low pass filter cut frequency applied to the command"),
    Row("CmdSrc",      1,  0,  1, 5, 1,  0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
        "Select between using the PWM Cmd digital input or serial command parameter Command"),
    Row("Command",    10,  9,  2, 7, 8,  0, 0, 1, 1, 0, 11, -24453, 24453, -19149, 19149,  0, " Vrms",      " Irms",
        "Set the value of the command"),
    Row("CommOff",    15, 14,  2, 7, 4,  0, 0, 1, 1, 0, 12,  -2047,  2047,  -2047,  2047,  0, " degree",    " degree",
        "Commutation offset"),
    Row("DirSrc",      1,  0,  1, 7, 1,  0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
        "Selects between using J2-6 Dinp2 or a fixed value of logic 1 for the rotation direction"),
    Row("DM1Map",      3,  2,  1, 2, 3,  0, 0, 1, 1, 0,  1,      0,     7,      0,     7,  3, nullptr,      nullptr,
        "Select the variable sent to DACMon1 output pin"),
    Row("EncOut",      1,  0,  1, 1, 2,  0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  1, nullptr,      nullptr,
        "Set the emulated encoder output's line count"),
    Row("FltDiag",    13, 12,  1, 6, 1,  0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
        "Select between the DOUT1 linw being a static low and high"),
    Row("HVF",        29, -1,  2, 7, 6,  1, 1, 1, 0, 1, 16,  -8191,  8191,  -8191,  8191,  0, " RPM",       " RPM",
        "Filtered Hall Velocity"),
    Row("IdCmd",      12, 11,  2, 7, 4,  0, 0, 0, 1, 0, 13,  -2047,  2047,  -2047,  2047,  0, " Arms",      " Arms",
        "Set the value of the current command for the non-torque current loop"),
    Row("ILmtMinus",  13, 12,  1, 1, 2,  0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  3, " %",         " %",
        "Counter-clockwise current limit"),
    Row("ILmtPlus",   13, 12,  1, 3, 2,  0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  3, " %",         " %",
        "Clockwise current limit"),
    Row("IrComp",      4,  3,  1, 7, 8,  0, 0, 1, 1, 0, 14,      0,   255,      0,   255,  0, " Ohms",      " Ohms",
        "Set the magnitude of the IR compensation used in voltage control mode"),
    Row("IrCompSrc",   1,  0,  1, 4, 1,  0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  1, nullptr,      nullptr,
        "Select between using J2-6 Dinp2 or the NV parameter Ircomp"),
    Row("IVMode",      1,  0,  1, 6, 1,  0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
        "Select between Torque or velocity control modes"),
    Row("Kii",         2,  1,  1, 7, 1,  0, 0, 0, 0, 0,  0,      0,     1,      0,     1,  1, nullptr,      nullptr,
        "Enables and disables the current loop integrator"),
    Row("Kip",         2,  1,  1, 3, 4,  0, 0, 1, 1, 0,  1,      0,    15,      0,    15, 11, " V/A(Nom)",  " V/A(Nom)",
        "Set the proportional gain of the current loop"),
    Row("LogicVer",   30, -1,  1, 3, 4,  1, 1, 1, 0, 0, 17,      0,    15,      0,    15,  0, " Version",   " Version",
        "The version number of the drive logic"),
    Row("Model",       8,  7,  1, 5, 6,  1, 0, 1, 1, 0,  1,      0,    63,      0,    63, 50, nullptr,      nullptr,
        "Drive model"),
    Row("PoleCount",   3,  2,  1, 7, 5,  0, 0, 1, 1, 0,  1,      0,    31,      0,    31,  6, " Poles",     " Poles",
        "Motor pole count"),
    Row("PWMMinus",    5,  4,  1, 7, 8,  0, 0, 1, 1, 0, 15,    -96,    96,    -75,    75,  0, " Vrms",      " Irms",
        "Set the levels corresponding to the PWM Cmd digital input"),
    Row("PWMPlus",     6,  5,  1, 7, 8,  0, 0, 1, 1, 0, 15,    -96,    96,    -75,    75,  0, " Vrms",      " Irms",
        "Set the levels corresponding to the PWM Cmd digital input"),
    Row("PWMTimeOut",  1,  0,  1, 3, 2,  0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  0, nullptr,      nullptr,
        "Set the maximum permissible time for the PWMCmd digital input to be low before the drive faults"),
    Row("SWEnable",    7,  6,  1, 0, 1,  0, 0, 1, 0, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
        "Serial communication channel enable"),
    Row(nullptr,       0,  0,  0, 0, 0,  0, 0, 0, 0, 0,  0,      0,     0,      0,     0,  0, nullptr,      nullptr,
        "Table terminator"),
};
// clang-format on
