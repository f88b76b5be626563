#include <windows.h>

#include "InputError.h"
#include "ReadInBlocks.h"
#include "WideText.h"
#include "WordFileInput.h"

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { CloseHandle(handle_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

private:
    HANDLE handle_;
};

// The system's own words for its last error, without the full stop and line end it adds.
std::string systemWords() {
    wchar_t* words = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring text(words, length);
    LocalFree(words);
    while (!text.empty() && (text.back() == L'.' || iswspace(text.back()))) {
        text.pop_back();
    }
    return utf8Text(text);
}

[[noreturn]] void refuse(InputRefusal refusal) {
    throw InputError(refusal, systemWords());
}

// Whether the path names a device (CON, NUL, COM1, in any folder): its full path is then in
// the device space, \\.\NAME.
bool namesADevice(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    return length > 0 && length < full.size() && std::wstring_view(full).starts_with(L"\\\\.\\");
}

}  // namespace

std::string readWordFileBytes(const std::string& path,
                              const std::function<void(std::string_view)>& arrived) {
    // A device is never opened: a console or a port may never answer.
    const std::wstring widePath = wideText(path);
    if (!widePath.empty() && namesADevice(widePath)) {
        throw InputError(InputRefusal::NotARegularFile);
    }
    // Opened as it is on disk, bytes and all: no text mode turns CR LF into LF or ends the file
    // at a 0x1A byte. Backup semantics lets a folder be opened, so that it can be told apart.
    const HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME) {
            throw InputError(InputRefusal::DoesNotExist);
        }
        refuse(InputRefusal::CannotOpen);
    }
    const FileHandle file(handle);

    // Nor is a pipe read: it may never end.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        throw InputError(InputRefusal::NotARegularFile);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        refuse(InputRefusal::CannotExamine);
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw InputError(InputRefusal::IsAFolder);
    }
    const auto size =
        static_cast<std::size_t>(ULARGE_INTEGER{{info.nFileSizeLow, info.nFileSizeHigh}}.QuadPart);
    const auto readSome = [handle](char* buffer, std::size_t capacity) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, static_cast<DWORD>(capacity), &got, nullptr)) {
            refuse(InputRefusal::CannotRead);
        }
        return static_cast<std::size_t>(got);
    };
    return readInBlocks(size, readSome, arrived);
}
