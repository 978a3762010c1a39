// Name lookup over a parameter table, per-name questions, lists, and the value-label lookups.
#ifndef ZKTOOLS_MODEL_SYMBOL_TABLE_H
#define ZKTOOLS_MODEL_SYMBOL_TABLE_H

#include "zktools/model/value_labels.h"
#include "zktools/model/var_table.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every name lookup first checks once that the table ascends by name; an unsorted table
// (or one with a name twice) makes every lookup throw ModelError "Symbol Table is not
// sorted!". Unknown names never throw: each operation has a fixed answer for them.
// Lookups allocate nothing; they are safe on the GUI thread and the status thread.
class SymbolTable {
public:
    // Over any record array that ends with a record without a name.
    explicit SymbolTable(VarTable* entries) noexcept;
    SymbolTable(const SymbolTable&) = delete;
    SymbolTable& operator=(const SymbolTable&) = delete;

    VarTable* Entries() const noexcept { return entries_; }
    int32_t Count() const noexcept { return count_; }
    bool CheckPending() const noexcept { return checkPending_.load(std::memory_order_acquire); }

    // Byte-wise, upper-casing only a to z; the difference of the first differing bytes
    // (as unsigned), 0 when equal; a name that is a prefix of the other is the smaller.
    static int CompareNames(std::string_view a, std::string_view b) noexcept;

    // Throws ModelError while the table does not strictly ascend.
    void CheckSorted() const;
    // The record of that name or nullptr; runs CheckSorted first. For the model's own use.
    VarTable* Find(std::string_view name) const;

    // Per-name operations. For a name not in the table: IsReadOnly, IsReadOnlyFactory and
    // IsUserVisible true, GetVUnit and GetIUnit "0" (a record without unit gives ""),
    // GetType 1000, Exists false, GetName "No Such Parameter"; the operations with
    // out-arguments return false and leave them untouched, SetValue stores nothing.
    bool IsReadOnly(std::string_view name) const;
    bool IsReadOnlyFactory(std::string_view name) const;
    bool IsUserVisible(std::string_view name) const;
    std::string GetVUnit(std::string_view name) const;
    std::string GetIUnit(std::string_view name) const;
    int32_t GetType(std::string_view name) const;
    bool GetVRange(std::string_view name, int32_t& min, int32_t& max, int32_t& value,
                   int32_t& type) const;
    bool GetIRange(std::string_view name, int32_t& min, int32_t& max, int32_t& value,
                   int32_t& type) const;
    bool Exists(std::string_view name) const;
    bool GetAddress(std::string_view name, int32_t& logicAddr, int32_t& nvAddr, int32_t& bytes,
                    int32_t& msbBit, int32_t& width, int32_t& type) const;
    // Any 32-bit value; range checks belong to DataProcess::ParseAndCheck.
    bool SetValue(std::string_view name, int32_t value);
    bool GetValue(std::string_view name, int32_t& value) const;
    // The name as the table spells it.
    std::string GetName(std::string_view name) const;

    void ResetToDefaults();

    // New lists in table order.
    VarTableList GetAllVars() const;
    VarTableList GetUserVars() const;
    VarTableList GetNVVars() const;
    VarTableList GetUserNVVars() const;
    VarTableList GetMonitoredVars() const;

    // Value-label lookups over LabelLists; list names and texts match in any letter case.
    // The first list of that name, or nullptr.
    static const ValueLabelList* FindLabelList(std::string_view list) noexcept;
    // nullopt when the list or the key is missing (an empty text is a present one).
    static std::optional<std::string_view> GetToken(std::string_view list, int32_t key) noexcept;
    static std::optional<std::string_view> GetLabel(std::string_view list, int32_t key) noexcept;
    // -1 when there is no such list, 0 when the list lacks the text.
    static int32_t GetKeyByToken(std::string_view list, std::string_view token) noexcept;
    static int32_t GetKeyByLabel(std::string_view list, std::string_view label) noexcept;
    // Appends every label in list order; no change when there is no such list.
    static void FillLabels(std::string_view list, std::vector<std::string>& strings);
    // Clears the strings (also for a missing list), then appends labels in list order up to
    // the first entry whose key is above highestKey.
    static void FillLabelsUpTo(std::string_view list, std::vector<std::string>& strings,
                               int32_t highestKey);
    // Searches over lists whose tokens are numbers in ascending order; -1 when there is no
    // such list (or it is empty). A token that is not a number counts as 0; a NaN gives the first
    // entry's key.
    static int32_t NearestKey(std::string_view list, float x) noexcept;
    static int32_t FloorKey(std::string_view list, float x) noexcept;

private:
    template <typename Filter> VarTableList Collect(Filter filter) const;

    VarTable* entries_;
    int32_t count_;
    mutable std::atomic<bool> checkPending_;
};

// The program's table over VarTables, built before main runs (by this file's dynamic
// initialisation: other files' static initialisers must not use it).
extern SymbolTable SymTable;

#endif
