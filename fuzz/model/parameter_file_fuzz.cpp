// The parameter file reader as the Load button runs it: both passes of LoadFromFile over a
// file of any bytes. A refused file raises ModelError; anything else is a fault.
#include "fuzz/memory_file.h"

#include "zktools/model/file_process.h"
#include "zktools/model/model_error.h"
#include "zktools/model/symbol_table.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.Fill(data, size);
    SymTable.ResetToDefaults();
    // The first byte picks the NV set, as the factory command line would.
    FileProc.SetFactoryMode(size > 0 && (data[0] & 1) != 0);
    try {
        FileProc.LoadFromFile(file.Path());
    } catch (const ModelError&) {
    }
    return 0;
}
