// Counting a process's GDI objects from outside it.
#include "gdi_object_count.h"

#include <winternl.h>

#include <vector>

namespace {

// One entry of Wine's GDI handle table (GDI_HANDLE_ENTRY): 24 bytes in 32- and 64-bit
// processes alike, the object type at byte 14, 0 for a free entry. The table holds 0x10000
// entries. The PEB's GdiSharedHandleTable points to it; the saver has this program's
// architecture, so the PEB has this program's layout.
const size_t ENTRY_SIZE = 24;
const size_t TYPE_OFFSET = 14;
const size_t TABLE_ENTRIES = 0x10000;
const size_t PEB_GDI_TABLE_OFFSET = sizeof(void *) == 8 ? 0xF8 : 0x94;

typedef NTSTATUS(WINAPI *QueryInformationProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

bool ReadRemote(HANDLE process, const void *address, void *buffer, size_t size) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

long CountHandleTable(HANDLE process) {
    const QueryInformationProcess query =
        reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (query == nullptr) {
        return -1;
    }
    PROCESS_BASIC_INFORMATION basic{};
    if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return -1;
    }
    const char *peb = reinterpret_cast<const char *>(basic.PebBaseAddress);
    uintptr_t table = 0;
    if (peb == nullptr || !ReadRemote(process, peb + PEB_GDI_TABLE_OFFSET, &table, sizeof table) ||
        table == 0) {
        return -1;
    }
    std::vector<unsigned char> entries(TABLE_ENTRIES * ENTRY_SIZE);
    if (!ReadRemote(process, reinterpret_cast<const void *>(table), entries.data(),
                    entries.size())) {
        return -1;
    }
    long used = 0;
    for (size_t k = 0; k < TABLE_ENTRIES; ++k) {
        if (entries[k * ENTRY_SIZE + TYPE_OFFSET] != 0) {
            ++used;
        }
    }
    return used;
}

} // namespace

long GdiObjectCount(HANDLE process, const char **method) {
    SetLastError(0);
    const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
    if (count != 0) {
        if (method != nullptr) {
            *method = "GetGuiResources";
        }
        return static_cast<long>(count);
    }
    if (method != nullptr) {
        *method = "GDI handle table";
    }
    return CountHandleTable(process);
}

long SteadyGdiObjectCount(HANDLE process, int samples, DWORD intervalMs) {
    long lowest = -1;
    for (int k = 0; k < samples; ++k) {
        const long count = GdiObjectCount(process, nullptr);
        if (count >= 0 && (lowest < 0 || count < lowest)) {
            lowest = count;
        }
        Sleep(intervalMs);
    }
    return lowest;
}
