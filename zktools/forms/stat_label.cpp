#include "zktools/forms/stat_label.h"

#include "zktools/model/symbol_table.h"
#include "zktools/platform/platform.h"

namespace nvforms {

QString StatLabel(int32_t code) {
    const auto label = SymbolTable::GetLabel("Stat", code);
    if (!label || label->empty())
        return QString::number(code);
    return QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()));
}

void Say(const QString& text) {
    zk::platform::Platform::Messages().ShowMessage(text);
}

} // namespace nvforms
