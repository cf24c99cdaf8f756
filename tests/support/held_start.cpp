#include "held_start.h"

#include <cstring>
#include <vector>

namespace {
const BYTE kBreakpoint = 0xCC;
const DWORD kTrapFlag = 0x100;
} // namespace

HeldAtMutexCreation::HeldAtMutexCreation(const std::wstring& commandLine,
                                         const std::wstring& mutexName, DWORD timeoutMs)
    : mutexName_(mutexName) {
    // The loader binds the program's import to the same function this lookup gives.
    entry_ =
        reinterpret_cast<BYTE*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateMutexW"));
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!entry_ || !CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                                   DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    debugging_ = true;
    DebugSetProcessKillOnExit(FALSE);

    DWORD stepping = 0; // the thread stepping over the entry after another mutex's creation
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, 500)) continue;
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
            debugging_ = false;
            return;
        case EXCEPTION_DEBUG_EVENT: {
            const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
            // Some emulators report a breakpoint after its byte rather than at it.
            const bool ours =
                record.ExceptionAddress == entry_ || record.ExceptionAddress == entry_ + 1;
            if (record.ExceptionCode == EXCEPTION_BREAKPOINT && ours && armed_) {
                if (NamesTheMutex(event.dwThreadId)) {
                    // Held: the thread stays stopped in this event until Release().
                    heldThread_ = event.dwThreadId;
                    held_ = Disarm() && Rewind(event.dwThreadId, false);
                    if (held_) return;
                } else if (Disarm() && Rewind(event.dwThreadId, true)) {
                    stepping = event.dwThreadId;
                }
            } else if (record.ExceptionCode == EXCEPTION_BREAKPOINT && !armed_ && !stepping) {
                // The loader's own stop: the program's modules are in place.
                Arm();
            } else if (record.ExceptionCode == EXCEPTION_SINGLE_STEP &&
                       event.dwThreadId == stepping) {
                stepping = 0;
                Arm();
            } else if (record.ExceptionCode != EXCEPTION_BREAKPOINT) {
                status = DBG_EXCEPTION_NOT_HANDLED;
            }
            break;
        }
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
}

HeldAtMutexCreation::~HeldAtMutexCreation() {
    Release();
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
        CloseHandle(process_);
    }
}

bool HeldAtMutexCreation::Arm() {
    // The entry must hold the same code in the program as here.
    BYTE here[16], there[16];
    SIZE_T read = 0, written = 0;
    std::memcpy(here, entry_, sizeof here);
    if (!ReadProcessMemory(process_, entry_, there, sizeof there, &read) || read != sizeof there ||
        std::memcmp(here, there, sizeof here) != 0)
        return false;
    original_ = there[0];
    armed_ = WriteProcessMemory(process_, entry_, &kBreakpoint, 1, &written) && written == 1 &&
             FlushInstructionCache(process_, entry_, 1);
    return armed_;
}

bool HeldAtMutexCreation::Disarm() {
    SIZE_T written = 0;
    if (WriteProcessMemory(process_, entry_, &original_, 1, &written) && written == 1 &&
        FlushInstructionCache(process_, entry_, 1))
        armed_ = false;
    return !armed_;
}

// The name argument of the stopped call: the third one, in a register or on the stack.
bool HeldAtMutexCreation::NamesTheMutex(DWORD threadId) {
    HANDLE thread = OpenThread(THREAD_GET_CONTEXT, FALSE, threadId);
    if (!thread) return false;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_FULL;
    const bool got = GetThreadContext(thread, &context) != FALSE;
    CloseHandle(thread);
    if (!got) return false;
    const void* nameAddress = nullptr;
    SIZE_T read = 0;
#ifdef _WIN64
    nameAddress = reinterpret_cast<const void*>(context.R8);
#else
    DWORD argument = 0;
    if (!ReadProcessMemory(process_, reinterpret_cast<const void*>(context.Esp + 12), &argument,
                           sizeof argument, &read))
        return false;
    nameAddress = reinterpret_cast<const void*>(static_cast<UINT_PTR>(argument));
#endif
    if (!nameAddress) return false;
    std::vector<wchar_t> name(mutexName_.size() + 1, L'\0');
    if (!ReadProcessMemory(process_, nameAddress, name.data(), name.size() * sizeof(wchar_t),
                           &read))
        return false;
    return std::wstring(name.data(), mutexName_.size()) == mutexName_ &&
           name[mutexName_.size()] == L'\0';
}

// Back to the start of the entry, whose first byte is the original again; with stepOver the
// thread stops after one instruction, so that the breakpoint can be put back.
bool HeldAtMutexCreation::Rewind(DWORD threadId, bool stepOver) {
    HANDLE thread = OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, threadId);
    if (!thread) return false;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    bool done = GetThreadContext(thread, &context) != FALSE;
#ifdef _WIN64
    context.Rip = reinterpret_cast<DWORD64>(entry_);
#else
    context.Eip = reinterpret_cast<DWORD>(entry_);
#endif
    if (stepOver) context.EFlags |= kTrapFlag;
    done = done && SetThreadContext(thread, &context) != FALSE;
    CloseHandle(thread);
    return done;
}

void HeldAtMutexCreation::Release() {
    if (held_) {
        held_ = false;
        ContinueDebugEvent(pid_, heldThread_, DBG_CONTINUE);
    }
    Detach();
}

void HeldAtMutexCreation::Detach() {
    if (!debugging_) return;
    debugging_ = false;
    // A breakpoint left behind would end the program once no debugger catches it.
    if (armed_) Disarm();
    DebugActiveProcessStop(pid_);
}

long HeldAtMutexCreation::WaitExit(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}
