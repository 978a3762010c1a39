// The built-in parameter table and value-label lists as data: every field of every
// record and every key, token and label, written out here and compared one by one, so
// that no edit of a single entry goes unseen.
#include "zktools/model/value_labels.h"
#include "zktools/model/var_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// nullptr (no text) and "" are different values.
std::string Shown(const char* text) {
    return text == nullptr ? std::string("<none>") : '"' + std::string(text) + '"';
}

struct Record {
    const char* name;
    int32_t logicAddr, nvAddr, bytes, msbBit, width;
    int readOnly, factoryReadOnly, userVisible, nvParam, monitored;
    int32_t type, vMin, vMax, iMin, iMax, dflt;
    const char* vUnit;
    const char* iUnit;
    const char* description;
};

// clang-format off
const Record kRecords[VarTableRecords + 1] = {
    //  name         logic nv bytes msb width ro fro uv nvp mon type  vmin    vmax   imin    imax  default vunit        iunit
    {"AutoDis",      13, 12, 1, 5, 2, 0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  0, nullptr,      nullptr,
     "Turns on or masks the polarity check on the net command"},
    {"CmdF0",         2,  1, 1, 6, 3, 0, 0, 1, 1, 0,  1,      0,     7,      0,     7,  4, " Hz",        " Hz",
     "Select the low pass filter cut frequency applied to the command"},
    {"CmdSrc",        1,  0, 1, 5, 1, 0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
     "Select between using the PWM Cmd digital input or serial command parameter Command"},
    {"Command",      10,  9, 2, 7, 8, 0, 0, 1, 1, 0, 11, -24453, 24453, -19149, 19149,  0, " Vrms",      " Irms",
     "Set the value of the command"},
    {"CommOff",      15, 14, 2, 7, 4, 0, 0, 1, 1, 0, 12,  -2047,  2047,  -2047,  2047,  0, " degree",    " degree",
     "Commutation offset"},
    {"DirSrc",        1,  0, 1, 7, 1, 0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
     "Selects between using J2-6 Dinp2 or a fixed value of logic 1 for the rotation direction"},
    {"DM1Map",        3,  2, 1, 2, 3, 0, 0, 1, 1, 0,  1,      0,     7,      0,     7,  3, nullptr,      nullptr,
     "Select the variable sent to DACMon1 output pin"},
    {"EncOut",        1,  0, 1, 1, 2, 0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  1, nullptr,      nullptr,
     "Set the emulated encoder output's line count"},
    {"FltDiag",      13, 12, 1, 6, 1, 0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
     "Select between the DOUT1 linw being a static low and high"},
    {"HVF",          29, -1, 2, 7, 6, 1, 1, 1, 0, 1, 16,  -8191,  8191,  -8191,  8191,  0, " RPM",       " RPM",
     "Filtered Hall Velocity"},
    {"IdCmd",        12, 11, 2, 7, 4, 0, 0, 0, 1, 0, 13,  -2047,  2047,  -2047,  2047,  0, " Arms",      " Arms",
     "Set the value of the current command for the non-torque current loop"},
    {"ILmtMinus",    13, 12, 1, 1, 2, 0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  3, " %",         " %",
     "Counter-clockwise current limit"},
    {"ILmtPlus",     13, 12, 1, 3, 2, 0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  3, " %",         " %",
     "Clockwise current limit"},
    {"IrComp",        4,  3, 1, 7, 8, 0, 0, 1, 1, 0, 14,      0,   255,      0,   255,  0, " Ohms",      " Ohms",
     "Set the magnitude of the IR compensation used in voltage control mode"},
    {"IrCompSrc",     1,  0, 1, 4, 1, 0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  1, nullptr,      nullptr,
     "Select between using J2-6 Dinp2 or the NV parameter Ircomp"},
    {"IVMode",        1,  0, 1, 6, 1, 0, 0, 1, 1, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
     "Select between Torque or velocity control modes"},
    {"Kii",           2,  1, 1, 7, 1, 0, 0, 0, 0, 0,  0,      0,     1,      0,     1,  1, nullptr,      nullptr,
     "Enables and disables the current loop integrator"},
    {"Kip",           2,  1, 1, 3, 4, 0, 0, 1, 1, 0,  1,      0,    15,      0,    15, 11, " V/A(Nom)",  " V/A(Nom)",
     "Set the proportional gain of the current loop"},
    {"LogicVer",     30, -1, 1, 3, 4, 1, 1, 1, 0, 0, 17,      0,    15,      0,    15,  0, " Version",   " Version",
     "The version number of the drive logic"},
    {"Model",         8,  7, 1, 5, 6, 1, 0, 1, 1, 0,  1,      0,    63,      0,    63, 50, nullptr,      nullptr,
     "Drive model"},
    {"PoleCount",     3,  2, 1, 7, 5, 0, 0, 1, 1, 0,  1,      0,    31,      0,    31,  6, " Poles",     " Poles",
     "Motor pole count"},
    {"PWMMinus",      5,  4, 1, 7, 8, 0, 0, 1, 1, 0, 15,    -96,    96,    -75,    75,  0, " Vrms",      " Irms",
     "Set the levels corresponding to the PWM Cmd digital input"},
    {"PWMPlus",       6,  5, 1, 7, 8, 0, 0, 1, 1, 0, 15,    -96,    96,    -75,    75,  0, " Vrms",      " Irms",
     "Set the levels corresponding to the PWM Cmd digital input"},
    {"PWMTimeOut",    1,  0, 1, 3, 2, 0, 0, 1, 1, 0,  1,      0,     3,      0,     3,  0, nullptr,      nullptr,
     "Set the maximum permissible time for the PWMCmd digital input to be low before the drive faults"},
    {"SWEnable",      7,  6, 1, 0, 1, 0, 0, 1, 0, 0,  0,      0,     1,      0,     1,  0, nullptr,      nullptr,
     "Serial communication channel enable"},
    // The terminator: only its missing name and its description count.
    {nullptr,         0,  0, 0, 0, 0, 0, 0, 0, 0, 0,  0,      0,     0,      0,     0,  0, nullptr,      nullptr,
     "Table terminator"},
};
// clang-format on

TEST(TableData, EveryFieldOfEveryParameterRecord) {
    for (int i = 0; i <= VarTableRecords; ++i) {
        const Record& want = kRecords[i];
        const VarTable& got = VarTables[i];
        SCOPED_TRACE("record " + std::to_string(i + 1) + " " + Shown(want.name));
        EXPECT_EQ(Shown(got.Name), Shown(want.name));
        EXPECT_EQ(Shown(got.Description), Shown(want.description));
        if (want.name == nullptr)
            break;
        EXPECT_EQ(got.LogicAddr, want.logicAddr) << "LogicAddr";
        EXPECT_EQ(got.NVAddr, want.nvAddr) << "NVAddr";
        EXPECT_EQ(got.Bytes, want.bytes) << "Bytes";
        EXPECT_EQ(got.MsbBit, want.msbBit) << "MsbBit";
        EXPECT_EQ(got.Width, want.width) << "Width";
        EXPECT_EQ(got.ReadOnly, want.readOnly) << "ReadOnly";
        EXPECT_EQ(got.FactoryReadOnly, want.factoryReadOnly) << "FactoryReadOnly";
        EXPECT_EQ(got.UserVisible, want.userVisible) << "UserVisible";
        EXPECT_EQ(got.NVParam, want.nvParam) << "NVParam";
        EXPECT_EQ(got.Monitored, want.monitored) << "Monitored";
        EXPECT_EQ(got.Type, want.type) << "Type";
        EXPECT_EQ(got.VMin, want.vMin) << "VMin";
        EXPECT_EQ(got.VMax, want.vMax) << "VMax";
        EXPECT_EQ(got.IMin, want.iMin) << "IMin";
        EXPECT_EQ(got.IMax, want.iMax) << "IMax";
        EXPECT_EQ(got.Default, want.dflt) << "Default";
        EXPECT_EQ(Shown(got.VUnit), Shown(want.vUnit)) << "VUnit";
        EXPECT_EQ(Shown(got.IUnit), Shown(want.iUnit)) << "IUnit";
    }
}

struct Entry {
    int32_t key;
    const char* token;
    const char* label;
};

struct List {
    const char* name;
    std::vector<Entry> entries;
};

// An entry whose token and label are the same text.
Entry Same(int32_t key, const char* text) {
    return {key, text, text};
}

// clang-format off
const List kLists[LabelListCount] = {
    {"CmdF0", {Same(0, "0.379"), Same(1, "3.035"), Same(2, "24.28"), Same(3, "194.3"),
               Same(4, "777.1"), Same(5, "1554"), Same(6, "3109"), Same(7, "6217")}},
    {"IVMode", {Same(0, "Current"), Same(1, "Voltage")}},
    {"PoleCount", {Same(0, "0"),   Same(1, "2"),   Same(2, "4"),   Same(3, "6"),
                   Same(4, "8"),   Same(5, "10"),  Same(6, "12"),  Same(7, "14"),
                   Same(8, "16"),  Same(9, "18"),  Same(10, "20"), Same(11, "22"),
                   Same(12, "24"), Same(13, "26"), Same(14, "28"), Same(15, "30"),
                   Same(16, "32"), Same(17, "34"), Same(18, "36"), Same(19, "38"),
                   Same(20, "40"), Same(21, "42"), Same(22, "44"), Same(23, "46"),
                   Same(24, "48"), Same(25, "50"), Same(26, "52"), Same(27, "54"),
                   Same(28, "56"), Same(29, "58"), Same(30, "60"), Same(31, "62")}},
    {"CmdSrc", {{0, "PWM_CMD", "PWM CMD"}, {1, "Command_Variable", "Command Variable"}}},
    {"FaultCode", {{0, "PWM_Cmd_Stuck_Low", "PWM Cmd Stuck Low"},
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
                   {15, "", ""}}},
    {"IrCompSrc", {Same(0, "DInp2"), {1, "IrComp_Variable", "IrComp Variable"}}},
    {"AutoDis", {Same(0, "Off"), Same(2, "Plus"), Same(3, "Minus")}},
    {"PWMTimeOut", {Same(0, "Off->PWM"), {1, "Not_Used", "Not Used"},
                    {2, "0.026_Sec", "0.026 Sec"}, {3, "0.21_Sec", "0.21 Sec"}}},
    {"SWEnable", {Same(0, "Enable"), Same(1, "Disable")}},
    {"EncOut", {Same(0, "4096"), Same(1, "1024"), Same(2, "5.25"), Same(3, "10")}},
    {"KIP", {Same(0, "6.613"),    Same(8, "9.9195"),   Same(1, "13.226"),  Same(9, "19.839"),
             Same(2, "26.452"),   Same(10, "39.678"),  Same(3, "52.904"),  Same(11, "79.356"),
             Same(4, "105.808"),  Same(12, "158.712"), Same(5, "211.616"), Same(13, "317.424"),
             Same(6, "423.232"),  Same(14, "634.848"), Same(7, "846.464"), Same(15, "1269.696")}},
    {"DM1Map", {{0, "Sin0_4Vp-p", "Sin0 4 Vp-p"},
                {1, "HVF_1144RPM/V", "HVF 1144 RPM/V"},
                {2, "VIRB_194Vrms_1-1/V", "VIRFB 194 Vrms 1-1/V"},
                {3, "IFB_9.0Arms/V", "IFB 9.0 Arms/V"},
                {4, "VFB_194Vrms/V", "VFB 194 Vrms 1-1/V"},
                {5, "ICMD_9.0Arms/V", "ICMD 9.0 Arms/V"},
                {6, "HVF_4578RPM/V", "HVF 4578 RPM/V"},
                {7, "ClmpIFB_3.62Arms/V", "ClmpIFB 3.62 Arms/V"}}},
    {"ILmtMinus", {Same(0, "0"), Same(1, "33"), Same(2, "67"), Same(3, "100")}},
    {"ILmtPlus", {Same(0, "0"), Same(1, "33"), Same(2, "67"), Same(3, "100")}},
    // Our own model names: series letter, peak current, bus voltage.
    {"Model", {Same(0, "ZA0312"),  Same(1, "ZA0324"),  Same(2, "ZA0348"),  Same(3, "ZA0360"),
               Same(4, "ZA0612"),  Same(5, "ZA0624"),  Same(6, "ZA0648"),  Same(7, "ZA0660"),
               Same(8, "ZA1212"),  Same(9, "ZA1224"),  Same(10, "ZA1248"), Same(11, "ZA1260"),
               Same(12, "ZA2012"), Same(13, "ZA2024"), Same(14, "ZA2048"), Same(15, "ZA2060"),
               Same(16, "ZB0312"), Same(17, "ZB0324"), Same(18, "ZB0348"), Same(19, "ZB0360"),
               Same(20, "ZB0612"), Same(21, "ZB0624"), Same(22, "ZB0648"), Same(23, "ZB0660"),
               Same(24, "ZB1212"), Same(25, "ZB1224"), Same(26, "ZB1248"), Same(27, "ZB1260"),
               Same(28, "ZB2012"), Same(29, "ZB2024"), Same(30, "ZB2048"), Same(31, "ZB2060"),
               Same(32, "ZC0312"), Same(33, "ZC0324"), Same(34, "ZC0348"), Same(35, "ZC0360"),
               Same(36, "ZC0612"), Same(37, "ZC0624"), Same(38, "ZC0648"), Same(39, "ZC0660"),
               Same(40, "ZC1212"), Same(41, "ZC1224"), Same(42, "ZC1248"), Same(43, "ZC1260"),
               Same(44, "ZC2012"), Same(45, "ZC2024"), Same(46, "ZC2048"), Same(47, "ZC2060"),
               Same(48, "ZD0312"), Same(49, "ZD0324"), Same(50, "ZD0348"), Same(51, "ZD0360"),
               Same(52, "ZD0612"), Same(53, "ZD0624"), Same(54, "ZD0648"), Same(55, "ZD0660"),
               Same(56, "ZD1212"), Same(57, "ZD1224"), Same(58, "ZD1248"), Same(59, "ZD1260"),
               Same(60, "ZD2012"), Same(61, "ZD2024"), Same(62, "ZD2048"), Same(63, "ZD2060")}},
    {"Stat", {Same(0, "No Communication"), Same(2, "Hardware is not ready"),
              Same(3, "Wrong Memory Address"), Same(5, "Invalid Parameter Name"),
              Same(6, "Logic and EEPROM addresses match wrong"),
              Same(9, "Error during data transfer")}},
    {"DirSrc", {Same(0, "Normal"), {1, "Select_DInp2", "Select DInp2"}}},
    {"KII", {Same(0, "Off"), Same(1, "On")}},
    {"FltDiag", {Same(0, "Off"), {1, "Diagnostic_blink_code", "Diagnostic blink code"}}},
};
// clang-format on

TEST(TableData, EveryEntryOfEveryValueLabelList) {
    for (int i = 0; i < LabelListCount; ++i) {
        const List& want = kLists[i];
        const ValueLabelList& got = LabelLists[i];
        SCOPED_TRACE("list " + std::to_string(i + 1) + " " + Shown(want.name));
        ASSERT_EQ(Shown(got.Name), Shown(want.name));
        ASSERT_NE(got.Labels, nullptr);
        size_t n = 0;
        for (const ValueLabel* e = got.Labels; e->Key != -1; ++e, ++n) {
            if (n == want.entries.size()) {
                ADD_FAILURE() << "more entries than " << n << ", next key " << e->Key;
                break;
            }
            const Entry& w = want.entries[n];
            SCOPED_TRACE("entry " + std::to_string(n + 1));
            EXPECT_EQ(e->Key, w.key);
            EXPECT_EQ(Shown(e->Token), Shown(w.token));
            EXPECT_EQ(Shown(e->Label), Shown(w.label));
        }
        EXPECT_EQ(n, want.entries.size()) << "entries before the end entry";
        if (n == want.entries.size()) {
            const ValueLabel& end = got.Labels[n];
            EXPECT_EQ(Shown(end.Token), "<none>");
            EXPECT_EQ(Shown(end.Label), "<none>");
        }
    }
    EXPECT_EQ(LabelLists[LabelListCount].Name, nullptr);
    EXPECT_EQ(LabelLists[LabelListCount].Labels, nullptr);
    // The two current limits share one entry list.
    EXPECT_EQ(LabelLists[12].Labels, LabelLists[13].Labels);
}

} // namespace
