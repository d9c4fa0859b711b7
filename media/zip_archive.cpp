#include "media/zip_archive.h"

#include "base/wide_string.h"
#include "media/resource_file.h"
#include "platform/files.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <string>

namespace velmora {

namespace {

// The unzip library reads archives through these functions, so that archive paths are game paths
// like every other. The path given to the library is a std::wstring.
voidpf ZCALLBACK openStream(voidpf, const void* path, int mode) {
    const bool reading = (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ;
    const char* cMode = reading ? "rb" : (mode & ZLIB_FILEFUNC_MODE_EXISTING) ? "r+b" : "wb";
    return openFile(*static_cast<const std::wstring*>(path), cMode);
}

uLong ZCALLBACK readStream(voidpf, voidpf stream, void* buffer, uLong size) {
    return static_cast<uLong>(std::fread(buffer, 1, size, static_cast<std::FILE*>(stream)));
}

uLong ZCALLBACK writeStream(voidpf, voidpf stream, const void* buffer, uLong size) {
    return static_cast<uLong>(std::fwrite(buffer, 1, size, static_cast<std::FILE*>(stream)));
}

ZPOS64_T ZCALLBACK tellStream(voidpf, voidpf stream) {
    const off_t position = ftello(static_cast<std::FILE*>(stream));
    return position < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(position);
}

long ZCALLBACK seekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    const int whence = origin == ZLIB_FILEFUNC_SEEK_CUR   ? SEEK_CUR
                       : origin == ZLIB_FILEFUNC_SEEK_END ? SEEK_END
                                                          : SEEK_SET;
    if (offset > static_cast<ZPOS64_T>(INT64_MAX))
        return -1;
    return fseeko(static_cast<std::FILE*>(stream), static_cast<off_t>(offset), whence) == 0 ? 0 : -1;
}

int ZCALLBACK closeStream(voidpf, voidpf stream) {
    return std::fclose(static_cast<std::FILE*>(stream));
}

int ZCALLBACK streamError(voidpf, voidpf stream) {
    return std::ferror(static_cast<std::FILE*>(stream));
}

unzFile unzipFile(ArchiveHandle archive) {
    return archive;
}

// The library's rule 2: compare names without regard to letter case.
constexpr int ignoreCase = 2;

} // namespace

ArchiveHandle openArchive(std::wstring_view path) {
    zlib_filefunc64_def functions = {openStream, readStream,  writeStream, tellStream,
                                     seekStream, closeStream, streamError, nullptr};
    const std::wstring pathText(path);
    return static_cast<ArchiveHandle>(unzOpen2_64(&pathText, &functions));
}

void closeArchive(ArchiveHandle archive) {
    if (archive)
        unzClose(unzipFile(archive));
}

bool isSafeEntryName(std::wstring_view name) {
    if (name.empty() || name.size() >= 256 || name.front() == L'/')
        return false;
    if (name.find_first_of(std::wstring_view(L"\\\0", 2)) != std::wstring_view::npos)
        return false;
    if (name.size() >= 2 && name[1] == L':' && std::iswalpha(name[0]))
        return false;
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find(L'/', start), name.size());
        if (name.substr(start, end - start) == L"..")
            return false;
        start = end + 1;
    }
    return true;
}

int extractEntry(ArchiveHandle archive, std::wstring_view name, std::wstring_view folder,
                 Subfolders subfolders) {
    if (!archive || !isSafeEntryName(name))
        return extractBadName;
    unzFile zip = unzipFile(archive);
    const int located = unzLocateFile(zip, toUtf8(name).c_str(), ignoreCase);
    if (located != UNZ_OK)
        return located;
    // The library never unpacks more than the entry declares: a declared size within the limit
    // keeps a small archive from filling the disk with a huge copy.
    unz_file_info64 info;
    const int described = unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
    if (described != UNZ_OK)
        return described;
    if (info.uncompressed_size > maxResourceFileBytes)
        return extractTooLarge;

    std::wstring fileName(name);
    if (subfolders == Subfolders::Flatten)
        replaceChar(fileName, L'/', L'_');
    const std::wstring outPath = std::wstring(folder) + fileName;
    const int opened = unzOpenCurrentFile(zip);
    if (opened != UNZ_OK)
        return opened;

    std::FILE* out = openFile(outPath, "wb");
    if (!out) {
        const size_t lastSeparator = outPath.find_last_of(L"\\/");
        if (lastSeparator != std::wstring::npos &&
            makeDirectories(outPath.substr(0, lastSeparator), folder.size()))
            out = openFile(outPath, "wb");
    }
    if (!out) {
        unzCloseCurrentFile(zip);
        return extractWriteFailed;
    }

    std::array<char, 8192> buffer;
    int result = extractOk;
    for (;;) {
        const int read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (read <= 0) {
            result = read;
            break;
        }
        if (std::fwrite(buffer.data(), 1, static_cast<size_t>(read), out) != static_cast<size_t>(read)) {
            result = extractWriteFailed;
            break;
        }
    }
    // Closing the entry checks its checksum: a damaged or encrypted entry fails only here.
    const int closed = unzCloseCurrentFile(zip);
    if (result == extractOk && closed != UNZ_OK)
        result = closed;
    if (std::fclose(out) != 0 && result == extractOk)
        result = extractWriteFailed;
    if (result != extractOk)
        deleteFile(outPath); // a partial copy must never be opened as if it were the resource
    return result;
}

} // namespace velmora
