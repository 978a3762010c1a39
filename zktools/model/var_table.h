// One parameter definition of the built-in table, and lists of references to them.
#ifndef ZKTOOLS_MODEL_VAR_TABLE_H
#define ZKTOOLS_MODEL_VAR_TABLE_H

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

struct VarTable {
    const char* Name;  // nullptr only in the terminator
    int32_t LogicAddr; // register of the high part for Bytes 2
    int32_t NVAddr;    // -1: no NV word
    int32_t Bytes;     // 1 bit field, 2 two registers
    int32_t MsbBit;
    int32_t Width;
    uint8_t ReadOnly;
    uint8_t FactoryReadOnly;
    uint8_t UserVisible;
    uint8_t NVParam;
    uint8_t Monitored;
    int32_t Type; // 0 two-state, 1 enumeration, 11..17 numeric
    int32_t VMin;
    int32_t VMax;
    int32_t IMin;
    int32_t IMax;
    // The working raw value: the status thread and the GUI thread store and read it whole.
    std::atomic<int32_t> Value;
    int32_t Default;
    const char* VUnit; // nullptr: no unit; otherwise begins with a blank
    const char* IUnit;
    const char* Description;
};

// Records in table order; the holder owns the list, never the records.
using VarTableList = std::vector<std::reference_wrapper<VarTable>>;

inline constexpr int32_t VarTableRecords = 25;

// The 25 parameters sorted by case-insensitive name, then the terminator. Lists refer to
// these records, so they never move.
extern VarTable VarTables[VarTableRecords + 1];

#endif
