#include "zktools/model/value_labels.h"

namespace {

constexpr ValueLabel End{-1, nullptr, nullptr};

// clang-format off
constexpr ValueLabel CmdF0Labels[] = {
    {0, "0.379", "0.379"}, {1, "3.035", "3.035"}, {2, "24.28", "24.28"}, {3, "194.3", "194.3"},
    {4, "777.1", "777.1"}, {5, "1554", "1554"},   {6, "3109", "3109"},   {7, "6217", "6217"},
    End,
};

constexpr ValueLabel IVModeLabels[] = {
    {0, "Current", "Current"},
    {1, "Voltage", "Voltage"},
    End,
};

// Key k is 2 x k poles.
constexpr ValueLabel PoleCountLabels[] = {
    {0, "0", "0"},
    {1, "2", "2"},
    {2, "4", "4"},
    {3, "6", "6"},
    {4, "8", "8"},
    {5, "10", "10"},
    {6, "12", "12"},
    {7, "14", "14"},
    {8, "16", "16"},
    {9, "18", "18"},
    {10, "20", "20"},
    {11, "22", "22"},
    {12, "24", "24"},
    {13, "26", "26"},
    {14, "28", "28"},
    {15, "30", "30"},
    {16, "32", "32"},
    {17, "34", "34"},
    {18, "36", "36"},
    {19, "38", "38"},
    {20, "40", "40"},
    {21, "42", "42"},
    {22, "44", "44"},
    {23, "46", "46"},
    {24, "48", "48"},
    {25, "50", "50"},
    {26, "52", "52"},
    {27, "54", "54"},
    {28, "56", "56"},
    {29, "58", "58"},
    {30, "60", "60"},
    {31, "62", "62"},
    End,
};

constexpr ValueLabel CmdSrcLabels[] = {
    {0, "PWM_CMD", "PWM CMD"},
    {1, "Command_Variable", "Command Variable"},
    End,
};

// The drive's fault code, bits 3..0 of a reply status; 11 and 15 are unused codes.
constexpr ValueLabel FaultCodeLabels[] = {
    {0, "PWM_Cmd_Stuck_Low", "PWM Cmd Stuck Low"},
    {1, "Quorin_Feedback_Error", "Quorin Feedback Error"},
    {2, "Configuration_Error", "Configuration Error"},
    {3, "Output_Over_Current", "Output Over Current"},
    {4, "Gate_Over_Voltage", "Gate Over Voltage"},
    {5, "Driev_Over_Temperature", "Drive Over Temperature"},
    {6, "Bus_Over_Voltage", "Bus Over Voltage"},
    {7, "Output_Short_Circuit", "Output Short Circuit"},
    {8, "10_KHz_PWM", "10 KHz PWM"},
    {9, "5_KHz_PWM", "5 KHz PWM"},
    {10, "20_KHz_PWM", "20 KHz PWM"},
    {11, "", ""},
    {12, "Foldback+10K", "Drive in Foldback and 10 KHz PWM"},
    {13, "Foldback+5K", "Drive In Foldback and 5 KHz PWM"},
    {14, "Foldback+20K", "Drive In Foldback and 20 KHz PWM"},
    {15, "", ""},
    End,
};

constexpr ValueLabel IrCompSrcLabels[] = {
    {0, "DInp2", "DInp2"},
    {1, "IrComp_Variable", "IrComp Variable"},
    End,
};

// Key 1 is not a setting of this field.
constexpr ValueLabel AutoDisLabels[] = {
    {0, "Off", "Off"},
    {2, "Plus", "Plus"},
    {3, "Minus", "Minus"},
    End,
};

constexpr ValueLabel PWMTimeOutLabels[] = {
    {0, "Off->PWM", "Off->PWM"},
    {1, "Not_Used", "Not Used"},
    {2, "0.026_Sec", "0.026 Sec"},
    {3, "0.21_Sec", "0.21 Sec"},
    End,
};

// Register 7 is the drive's disable register: 1 stops the drive, 0 lets it run.
constexpr ValueLabel SWEnableLabels[] = {
    {0, "Enable", "Enable"},
    {1, "Disable", "Disable"},
    End,
};

constexpr ValueLabel EncOutLabels[] = {
    {0, "4096", "4096"}, {1, "1024", "1024"}, {2, "5.25", "5.25"}, {3, "10", "10"},
    End,
};

// Ordered by gain, not by key: the numeric searches walk it in this order.
constexpr ValueLabel KipLabels[] = {
    {0, "6.613", "6.613"},       {8, "9.9195", "9.9195"},     {1, "13.226", "13.226"},
    {9, "19.839", "19.839"},     {2, "26.452", "26.452"},     {10, "39.678", "39.678"},
    {3, "52.904", "52.904"},     {11, "79.356", "79.356"},    {4, "105.808", "105.808"},
    {12, "158.712", "158.712"},  {5, "211.616", "211.616"},   {13, "317.424", "317.424"},
    {6, "423.232", "423.232"},   {14, "634.848", "634.848"},  {7, "846.464", "846.464"},
    {15, "1269.696", "1269.696"},
    End,
};

constexpr ValueLabel DM1MapLabels[] = {
    {0, "Sin0_4Vp-p", "Sin0 4 Vp-p"},
    {1, "HVF_1144RPM/V", "HVF 1144 RPM/V"},
    {2, "VIRB_194Vrms_1-1/V", "VIRFB 194 Vrms 1-1/V"},
    {3, "IFB_9.0Arms/V", "IFB 9.0 Arms/V"},
    {4, "VFB_194Vrms/V", "VFB 194 Vrms 1-1/V"},
    {5, "ICMD_9.0Arms/V", "ICMD 9.0 Arms/V"},
    {6, "HVF_4578RPM/V", "HVF 4578 RPM/V"},
    {7, "ClmpIFB_3.62Arms/V", "ClmpIFB 3.62 Arms/V"},
    End,
};

// Shared by "ILmtMinus" and "ILmtPlus".
constexpr ValueLabel ILmtLabels[] = {
    {0, "0", "0"}, {1, "33", "33"}, {2, "67", "67"}, {3, "100", "100"},
    End,
};

// Our own drive model names: series, peak current, bus voltage.
constexpr ValueLabel ModelLabels[] = {
    {0, "ZA0312", "ZA0312"},
    {1, "ZA0324", "ZA0324"},
    {2, "ZA0348", "ZA0348"},
    {3, "ZA0360", "ZA0360"},
    {4, "ZA0612", "ZA0612"},
    {5, "ZA0624", "ZA0624"},
    {6, "ZA0648", "ZA0648"},
    {7, "ZA0660", "ZA0660"},
    {8, "ZA1212", "ZA1212"},
    {9, "ZA1224", "ZA1224"},
    {10, "ZA1248", "ZA1248"},
    {11, "ZA1260", "ZA1260"},
    {12, "ZA2012", "ZA2012"},
    {13, "ZA2024", "ZA2024"},
    {14, "ZA2048", "ZA2048"},
    {15, "ZA2060", "ZA2060"},
    {16, "ZB0312", "ZB0312"},
    {17, "ZB0324", "ZB0324"},
    {18, "ZB0348", "ZB0348"},
    {19, "ZB0360", "ZB0360"},
    {20, "ZB0612", "ZB0612"},
    {21, "ZB0624", "ZB0624"},
    {22, "ZB0648", "ZB0648"},
    {23, "ZB0660", "ZB0660"},
    {24, "ZB1212", "ZB1212"},
    {25, "ZB1224", "ZB1224"},
    {26, "ZB1248", "ZB1248"},
    {27, "ZB1260", "ZB1260"},
    {28, "ZB2012", "ZB2012"},
    {29, "ZB2024", "ZB2024"},
    {30, "ZB2048", "ZB2048"},
    {31, "ZB2060", "ZB2060"},
    {32, "ZC0312", "ZC0312"},
    {33, "ZC0324", "ZC0324"},
    {34, "ZC0348", "ZC0348"},
    {35, "ZC0360", "ZC0360"},
    {36, "ZC0612", "ZC0612"},
    {37, "ZC0624", "ZC0624"},
    {38, "ZC0648", "ZC0648"},
    {39, "ZC0660", "ZC0660"},
    {40, "ZC1212", "ZC1212"},
    {41, "ZC1224", "ZC1224"},
    {42, "ZC1248", "ZC1248"},
    {43, "ZC1260", "ZC1260"},
    {44, "ZC2012", "ZC2012"},
    {45, "ZC2024", "ZC2024"},
    {46, "ZC2048", "ZC2048"},
    {47, "ZC2060", "ZC2060"},
    {48, "ZD0312", "ZD0312"},
    {49, "ZD0324", "ZD0324"},
    {50, "ZD0348", "ZD0348"},
    {51, "ZD0360", "ZD0360"},
    {52, "ZD0612", "ZD0612"},
    {53, "ZD0624", "ZD0624"},
    {54, "ZD0648", "ZD0648"},
    {55, "ZD0660", "ZD0660"},
    {56, "ZD1212", "ZD1212"},
    {57, "ZD1224", "ZD1224"},
    {58, "ZD1248", "ZD1248"},
    {59, "ZD1260", "ZD1260"},
    {60, "ZD2012", "ZD2012"},
    {61, "ZD2024", "ZD2024"},
    {62, "ZD2048", "ZD2048"},
    {63, "ZD2060", "ZD2060"},
    End,
};

// Messages of the status codes; success (1) has none.
constexpr ValueLabel StatLabels[] = {
    {0, "No Communication", "No Communication"},
    {2, "Hardware is not ready", "Hardware is not ready"},
    {3, "Wrong Memory Address", "Wrong Memory Address"},
    {5, "Invalid Parameter Name", "Invalid Parameter Name"},
    {6, "Logic and EEPROM addresses match wrong", "Logic and EEPROM addresses match wrong"},
    {9, "Error during data transfer", "Error during data transfer"},
    End,
};

constexpr ValueLabel DirSrcLabels[] = {
    {0, "Normal", "Normal"},
    {1, "Select_DInp2", "Select DInp2"},
    End,
};

constexpr ValueLabel KiiLabels[] = {
    {0, "Off", "Off"},
    {1, "On", "On"},
    End,
};

constexpr ValueLabel FltDiagLabels[] = {
    {0, "Off", "Off"},
    {1, "Diagnostic_blink_code", "Diagnostic blink code"},
    End,
};
// clang-format on

} // namespace

constinit const ValueLabelList LabelLists[LabelListCount + 1] = {
    {"CmdF0", CmdF0Labels},
    {"IVMode", IVModeLabels},
    {"PoleCount", PoleCountLabels},
    {"CmdSrc", CmdSrcLabels},
    {"FaultCode", FaultCodeLabels},
    {"IrCompSrc", IrCompSrcLabels},
    {"AutoDis", AutoDisLabels},
    {"PWMTimeOut", PWMTimeOutLabels},
    {"SWEnable", SWEnableLabels},
    {"EncOut", EncOutLabels},
    {"KIP", KipLabels},
    {"DM1Map", DM1MapLabels},
    {"ILmtMinus", ILmtLabels},
    {"ILmtPlus", ILmtLabels},
    {"Model", ModelLabels},
    {"Stat", StatLabels},
    {"DirSrc", DirSrcLabels},
    {"KII", KiiLabels},
    {"FltDiag", FltDiagLabels},
    {nullptr, nullptr},
};
