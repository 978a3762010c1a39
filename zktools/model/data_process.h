// Drive data access: conversion between raw values and engineering units, register
// packing, and (in their own files) the verified transfers to the drive.
#ifndef ZKTOOLS_MODEL_DATA_PROCESS_H
#define ZKTOOLS_MODEL_DATA_PROCESS_H

#include "zktools/model/stat_code.h"
#include "zktools/model/var_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Has no data members: every operation may run on any thread at the same time.
class DataProcess {
public:
    // --- Conversion between raw values and engineering units -------------------------
    // IV mode 1 is voltage mode, any other value current mode. Numbers are written and
    // read with "." whatever the locale.

    // Display text of a raw value for the numeric types 11 to 17 (other types: the raw
    // value as a decimal integer). At most 13 characters for any raw value.
    static std::string FormatValue(int32_t type, int32_t ivMode, int32_t raw);
    // Raw value of a display number; beyond the 32-bit range it saturates, NaN gives 0.
    static int32_t ScaleToRaw(int32_t type, int32_t ivMode, float display);
    // Nearest integer, halves upward; saturates beyond the 32-bit range, NaN gives 0.
    static int32_t RoundToInt(float x);
    // Absolute value; INT32_MIN has none in 32 bits and gives INT32_MAX.
    static int32_t Magnitude(int32_t x);
    // 1 accepted (raw stored), 2 name not in the table, 3 out of the mode's inclusive
    // limits, also for NaN and anything beyond 32 bits. raw is untouched unless 1.
    static int32_t ParseAndCheck(std::string_view name, int32_t ivMode, float display,
                                 int32_t& raw);
    // --- Limits -----------------------------------------------------------------------------
    // A parameter's inclusive raw limits in one IV mode (VMin and VMax in voltage mode, else
    // IMin and IMax), with its type and working value.
    struct Limits {
        int32_t Type;
        int32_t Min;
        int32_t Max;
        int32_t Value;
    };
    // nullopt for a name not in the table. Allocates nothing.
    static std::optional<Limits> LimitsOf(std::string_view name, int32_t ivMode);
    // The range as the value dialog shows it after "Range: ": both limits' display texts and
    // the unit text, which begins with its own blank ("-10.60 to 10.60 Irms").
    static std::string RangeText(const Limits& limits, int32_t ivMode, std::string_view unit);

    // A working value outside its limits, in the texts the value dialogs use: the value with
    // its unit ("9999.00 Irms") and the range as RangeText gives it. Two-state and enumeration
    // values are raw keys and have no unit.
    struct OutOfRange {
        std::string Name; // as the table spells it
        std::string ValueText;
        std::string RangeText;
    };
    // Every parameter of the list whose working value lies outside its limits in ivMode, in
    // list order; empty when the whole list may be sent.
    static std::vector<OutOfRange> ValuesOutOfRange(const VarTableList& list, int32_t ivMode);

    // Stores a parameter-file value text into the table (tokens for types 0 and 1,
    // numbers otherwise), without a range check. False when the name or its label list is
    // unknown, or the number's raw value lies beyond 32 bits. Throws ConversionError for
    // a numeric parameter's text that is not a number.
    static bool SetValueFromText(std::string_view name, int32_t ivMode, std::string_view text);

    // A number as a user types it: optional white space around it, optional sign,
    // digits with an optional "." and fraction, optional exponent. Throws ConversionError
    // (naming the text as given) for anything else, "inf" and "nan" included. A number
    // beyond the double range gives an infinity, one too small for it gives zero.
    static double ParseNumber(std::string_view text);
    // Rounds to single precision; beyond the float range gives an infinity.
    static float ToSingle(double x) noexcept;
    // printf's "%.Nf" in the C locale, whatever the locale (decimals 0 to 17).
    static std::string FormatFixed(double x, int decimals);

    // --- Register packing ---------------------------------------------------------------
    // Bit fields of one register: bits msb down to msb - width + 1, msb at most 31 and
    // width 1 to 31 (outside that ExtractBits gives 0 and InsertBits the byte unchanged).
    static int32_t ExtractBits(int32_t byte, int32_t msb, int32_t width);
    // A negative value goes in as its two's complement in the field's width.
    static int32_t InsertBits(int32_t value, int32_t byte, int32_t msb, int32_t width);
    // A two-register value of width + 8 bits: the high register whole, then the top width
    // bits of the low register; width 0 to 8 (outside that the results are 0). Only the
    // low 8 bits of each register byte count.
    static int32_t CombineBytes(int32_t low, int32_t high, int32_t width);
    // Byte for the high register; a value beyond the field gives more than 8 bits, of
    // which only the low 8 reach the register.
    static int32_t HighByte(int32_t value, int32_t width);
    // Byte for the register below: the value's low width bits, left-aligned.
    static int32_t LowByte(int32_t value, int32_t width);

    // --- Verified drive transfers ---------------------------------------------------------
    // Parameters by name (any letter case); values are raw. Failures are codes: nothing throws
    // but the table guard (ModelError for an unsorted table). Each single-parameter operation
    // holds LinkLock() from its first link call to its last; the other operations take it
    // only through them. Never call these while holding LinkLock().

    // Two readings, high register first, that must agree (else VerifyFailed). value gets the
    // second reading once it is complete, also on VerifyFailed; status gets the ReplyStatus
    // of every good frame, so it ends with the last one's.
    static StatCode ReadVarFromDrive(std::string_view name, int32_t& value, int32_t& status);
    // Read-modify-write of the register (two-register values: low register first), read back;
    // one more attempt when the read-back differs, then VerifyFailed.
    static StatCode WriteVarToDrive(std::string_view name, int32_t value, int32_t& status);
    // As the drive read, and every word must name its register (else NVAddressMismatch). A
    // parameter without an NV word gets LinkInvalid from the link.
    static StatCode ReadVarFromNV(std::string_view name, int32_t& value);
    // Writes each word with its register; read back with the register check, one more attempt.
    static StatCode WriteVarToNV(std::string_view name, int32_t value);

    // In list order, stopping at the first failure: BatchResult (stat_code.h). Reads store
    // each value into its record as soon as it is read; the failing record and those after it
    // keep their values (reads) or are not sent (writes).
    static BatchResult ReadListFromDrive(VarTableList list);
    static BatchResult ReadListFromNV(VarTableList list);
    static BatchResult WriteListToDrive(VarTableList list);
    static BatchResult WriteListToNV(VarTableList list);

    // Reads "Model"; on LinkOk also the fault code (bits 3..0) and the enabled bit (bit 4) of
    // the last reply. On failure enabled and faultCode stay as they were.
    static StatCode ReadDriveStatus(int32_t& model, bool& enabled, int32_t& faultCode);
    // ModelMatches, ModelDiffers, or the StatCode of the failed read of "Model".
    static int32_t CheckModelOnDrive(int32_t expected);
    static int32_t CheckModelInNV(int32_t expected);
    // Erases cells 15 to 254 in order, each once more when it answers LinkNotReady; stops at
    // the first failure with its code. Cells 0 to 14 and 255 are never touched.
    static StatCode EraseNV();
    // The name at a 1-based position; nullopt outside the list. The text lives in the table.
    static std::optional<std::string_view> NameAt(VarTableList list, int32_t position);
};

// The program's one instance, built before main runs.
extern DataProcess DataProc;

#endif
