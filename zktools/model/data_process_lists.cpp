// Whole parameter lists moved through the single-parameter operations. The lock is taken per
// parameter, so another thread's operation may run between two of them.
#include "zktools/model/data_process.h"

namespace {

// Position and code of the first failure, or the success count.
template <typename Operation> BatchResult ForEach(const VarTableList& list, Operation op) {
    int32_t position = 1;
    for (VarTable& record : list) {
        // The terminator has no name and is never a parameter.
        const StatCode code =
            record.Name != nullptr ? op(record, std::string_view(record.Name)) : UnknownParameter;
        if (code != LinkOk) {
            return BatchFailure(position, code);
        }
        ++position;
    }
    return BatchSuccess(position - 1);
}

} // namespace

BatchResult DataProcess::ReadListFromDrive(VarTableList list) {
    return ForEach(list, [](VarTable& record, std::string_view name) {
        int32_t value = 0;
        int32_t status = 0;
        const StatCode code = ReadVarFromDrive(name, value, status);
        if (code == LinkOk) {
            record.Value.store(value);
        }
        return code;
    });
}

BatchResult DataProcess::ReadListFromNV(VarTableList list) {
    return ForEach(list, [](VarTable& record, std::string_view name) {
        int32_t value = 0;
        const StatCode code = ReadVarFromNV(name, value);
        if (code == LinkOk) {
            record.Value.store(value);
        }
        return code;
    });
}

BatchResult DataProcess::WriteListToDrive(VarTableList list) {
    return ForEach(list, [](VarTable& record, std::string_view name) {
        int32_t status = 0;
        return WriteVarToDrive(name, record.Value.load(), status);
    });
}

BatchResult DataProcess::WriteListToNV(VarTableList list) {
    return ForEach(list, [](VarTable& record, std::string_view name) {
        return WriteVarToNV(name, record.Value.load());
    });
}

std::optional<std::string_view> DataProcess::NameAt(VarTableList list, int32_t position) {
    if (position < 1 || static_cast<size_t>(position) > list.size()) {
        return std::nullopt;
    }
    const char* name = list[static_cast<size_t>(position) - 1].get().Name;
    if (name == nullptr) {
        return std::nullopt;
    }
    return std::string_view(name);
}
