// Public interface of the drive link library: eleven plain C functions over one
// link object. Every result and argument is 32 bits wide; buffers and
// out-arguments belong to the caller.
#ifndef ZKCOMM_ZKCOMM_H
#define ZKCOMM_ZKCOMM_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define ZKCOMM_CALL __stdcall
#else
#define ZKCOMM_CALL
#endif

#if defined(_WIN32)
#if defined(ZKCOMM_BUILDING)
#define ZKCOMM_API __declspec(dllexport)
#else
#define ZKCOMM_API __declspec(dllimport)
#endif
#else
#define ZKCOMM_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes of every transfer function and of UseParallelPort. */
enum {
    LinkFailed = 0,
    LinkOk = 1,
    LinkNotReady = 2,
    LinkInvalid = 3
};

/* Bit 15 of varId: the library's own two-byte mode (register n low byte,
   register n-1 high byte). */
#define ZKCOMM_TWO_BYTE_FLAG 0x8000u

ZKCOMM_API int32_t ZKCOMM_CALL GetVarFromFPGA(uint32_t varId, int32_t* value, int32_t* status);
ZKCOMM_API int32_t ZKCOMM_CALL PutVarToFPGA(uint32_t varId, uint32_t value);
ZKCOMM_API int32_t ZKCOMM_CALL DisableDrive(void);
ZKCOMM_API int32_t ZKCOMM_CALL EnableDrive(void);
ZKCOMM_API int32_t ZKCOMM_CALL GetVarFromEEPROM(uint32_t address, uint32_t* reg, int32_t* data);
ZKCOMM_API int32_t ZKCOMM_CALL PutVarToEEPROM(uint32_t address, uint32_t reg, uint32_t data);
ZKCOMM_API int32_t ZKCOMM_CALL NVErase(void);
ZKCOMM_API char* ZKCOMM_CALL CommZkDLLVersion(char* buffer);
ZKCOMM_API char* ZKCOMM_CALL CommZkDLLCompileTime(char* buffer);
ZKCOMM_API int32_t ZKCOMM_CALL UseParallelPort(int32_t port);
ZKCOMM_API int32_t ZKCOMM_CALL NVEraseUnit(uint32_t address);

#ifdef __cplusplus
}
#endif

#endif
