#include "zktools/model/symbol_table.h"

#include "zktools/model/model_error.h"
#include "zktools/model/name_compare.h"

using zkmodel_detail::CompareNoCase;

namespace {

int32_t CountNamed(const VarTable* entries) noexcept {
    int32_t n = 0;
    while (entries[n].Name != nullptr) {
        ++n;
    }
    return n;
}

std::string UnitText(const char* unit) {
    return unit != nullptr ? std::string(unit) : std::string();
}

} // namespace

SymbolTable SymTable(VarTables);

SymbolTable::SymbolTable(VarTable* entries) noexcept
    : entries_(entries), count_(CountNamed(entries)), checkPending_(true) {}

int SymbolTable::CompareNames(std::string_view a, std::string_view b) noexcept {
    return CompareNoCase(a, b);
}

void SymbolTable::CheckSorted() const {
    if (!checkPending_.load(std::memory_order_acquire)) {
        return;
    }
    for (int32_t i = 0; i + 1 < count_; ++i) {
        if (CompareNoCase(entries_[i].Name, entries_[i + 1].Name) >= 0) {
            throw ModelError("Symbol Table is not sorted!");
        }
    }
    checkPending_.store(false, std::memory_order_release);
}

VarTable* SymbolTable::Find(std::string_view name) const {
    CheckSorted();
    int32_t low = 0;
    int32_t high = count_ - 1;
    while (high >= low) {
        const int32_t middle = low + (high - low) / 2;
        const int cmp = CompareNoCase(name, entries_[middle].Name);
        if (cmp == 0) {
            return &entries_[middle];
        }
        if (cmp < 0) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return nullptr;
}

bool SymbolTable::IsReadOnly(std::string_view name) const {
    const VarTable* r = Find(name);
    return r == nullptr || r->ReadOnly != 0;
}

bool SymbolTable::IsReadOnlyFactory(std::string_view name) const {
    const VarTable* r = Find(name);
    return r == nullptr || r->FactoryReadOnly != 0;
}

bool SymbolTable::IsUserVisible(std::string_view name) const {
    const VarTable* r = Find(name);
    return r == nullptr || r->UserVisible != 0;
}

std::string SymbolTable::GetVUnit(std::string_view name) const {
    const VarTable* r = Find(name);
    return r != nullptr ? UnitText(r->VUnit) : std::string("0");
}

std::string SymbolTable::GetIUnit(std::string_view name) const {
    const VarTable* r = Find(name);
    return r != nullptr ? UnitText(r->IUnit) : std::string("0");
}

int32_t SymbolTable::GetType(std::string_view name) const {
    const VarTable* r = Find(name);
    return r != nullptr ? r->Type : 1000;
}

bool SymbolTable::GetVRange(std::string_view name, int32_t& min, int32_t& max, int32_t& value,
                            int32_t& type) const {
    const VarTable* r = Find(name);
    if (r == nullptr) {
        return false;
    }
    min = r->VMin;
    max = r->VMax;
    value = r->Value.load();
    type = r->Type;
    return true;
}

bool SymbolTable::GetIRange(std::string_view name, int32_t& min, int32_t& max, int32_t& value,
                            int32_t& type) const {
    const VarTable* r = Find(name);
    if (r == nullptr) {
        return false;
    }
    min = r->IMin;
    max = r->IMax;
    value = r->Value.load();
    type = r->Type;
    return true;
}

bool SymbolTable::Exists(std::string_view name) const {
    return Find(name) != nullptr;
}

bool SymbolTable::GetAddress(std::string_view name, int32_t& logicAddr, int32_t& nvAddr,
                             int32_t& bytes, int32_t& msbBit, int32_t& width, int32_t& type) const {
    const VarTable* r = Find(name);
    if (r == nullptr) {
        return false;
    }
    logicAddr = r->LogicAddr;
    nvAddr = r->NVAddr;
    bytes = r->Bytes;
    msbBit = r->MsbBit;
    width = r->Width;
    type = r->Type;
    return true;
}

bool SymbolTable::SetValue(std::string_view name, int32_t value) {
    VarTable* r = Find(name);
    if (r == nullptr) {
        return false;
    }
    r->Value.store(value);
    return true;
}

bool SymbolTable::GetValue(std::string_view name, int32_t& value) const {
    const VarTable* r = Find(name);
    if (r == nullptr) {
        return false;
    }
    value = r->Value.load();
    return true;
}

std::string SymbolTable::GetName(std::string_view name) const {
    const VarTable* r = Find(name);
    return r != nullptr ? std::string(r->Name) : std::string("No Such Parameter");
}

void SymbolTable::ResetToDefaults() {
    for (int32_t i = 0; i < count_; ++i) {
        entries_[i].Value.store(entries_[i].Default);
    }
}

template <typename Filter> VarTableList SymbolTable::Collect(Filter filter) const {
    VarTableList list;
    for (int32_t i = 0; i < count_; ++i) {
        if (filter(entries_[i])) {
            list.emplace_back(entries_[i]);
        }
    }
    return list;
}

VarTableList SymbolTable::GetAllVars() const {
    return Collect([](const VarTable&) { return true; });
}

VarTableList SymbolTable::GetUserVars() const {
    return Collect([](const VarTable& r) { return r.UserVisible == 1; });
}

VarTableList SymbolTable::GetNVVars() const {
    return Collect([](const VarTable& r) { return r.NVParam != 0; });
}

VarTableList SymbolTable::GetUserNVVars() const {
    return Collect([](const VarTable& r) { return r.NVParam == 1 && r.UserVisible == 1; });
}

VarTableList SymbolTable::GetMonitoredVars() const {
    return Collect([](const VarTable& r) { return r.Monitored != 0; });
}
