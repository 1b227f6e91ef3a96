#include "core/Archive.h"
#include "core/Exception.h"
#include "core/File.h"
#include "core/MemFile.h"
#include "core/SharedFile.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace {
CString TempPath(LPCSTR name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return CString(dir) + name;
}
}  // namespace

TEST(File, WritesReadsSeeksAndReportsErrors)
{
    CString path = TempPath("fw_core_file_test.bin");
    {
        CFile file(path, CFile::modeCreate | CFile::modeReadWrite);
        file.Write("0123456789", 10);
        EXPECT_EQ(10u, file.GetLength());
        EXPECT_EQ(4u, file.Seek(4, CFile::begin));
        char buf[8] = {};
        EXPECT_EQ(3u, file.Read(buf, 3));
        EXPECT_STREQ("456", buf);
        EXPECT_EQ(3u, file.Read(buf, 5)) << "a short read at the end";
        EXPECT_STREQ("789", buf);
        EXPECT_EQ(0u, file.Read(buf, 3));
        file.SetLength(5);
        EXPECT_EQ(5u, file.GetLength());
    }
    CFileException error;
    CFile missing;
    EXPECT_FALSE(missing.Open(TempPath("fw_core_no_such_dir\\x.bin"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
    EXPECT_THROW(CFile(TempPath("fw_core_missing.bin"), CFile::modeRead), CFileException);
    DeleteFileA(path);
}

TEST(File, LeavesAHandleItDoesNotOwnOpen)
{
    CString path = TempPath("fw_core_handle_test.bin");
    HANDLE h = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    {
        CFile file(h);
        file.Write("abc", 3);
        file.Close();
    }
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(h, "d", 1, &written, nullptr)) << "the handle is still open";
    EXPECT_EQ(4u, GetFileSize(h, nullptr));
    CloseHandle(h);
    DeleteFileA(path);
}

TEST(MemFile, GrowsHandsOverAndReadsAGivenBlock)
{
    CMemFile file;
    for (int i = 0; i < 300; ++i)
        file.Write("abcd", 4);
    EXPECT_EQ(1200u, file.GetLength());
    file.Seek(-4, CFile::end);
    char buf[5] = {};
    EXPECT_EQ(4u, file.Read(buf, 8));
    EXPECT_STREQ("abcd", buf);
    ULONGLONG length = file.GetLength();
    BYTE* bytes = file.Detach();
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(0, std::memcmp(bytes + 1196, "abcd", 4));
    EXPECT_EQ(0u, file.GetLength()) << "the file is empty after handing its bytes over";
    EXPECT_EQ(1200u, length);
    std::free(bytes);

    CMemFile small;
    small.Write("1", 1);
    bytes = small.Detach();
    EXPECT_EQ(1024u, _msize(bytes)) << "memory grows in steps of 1024 bytes";
    std::free(bytes);

    BYTE block[6] = {'x', 'y', 'z', '1', '2', '3'};
    CMemFile reader(block, sizeof block);
    EXPECT_EQ(6u, reader.GetLength());
    reader.Seek(3, CFile::begin);
    EXPECT_EQ(3u, reader.Read(buf, 4));
    EXPECT_EQ(0, std::memcmp(buf, "123", 3));
    reader.SeekToBegin();
    reader.Write("Q", 1);
    EXPECT_EQ('Q', block[0]) << "writes go to the given block";
    reader.SeekToEnd();
    EXPECT_THROW(reader.Write("!", 1), CMemoryException) << "a given block does not grow";
    EXPECT_THROW(reader.Seek(-1, CFile::begin), CFileException);
}

TEST(MemFile, PositionsPastFourGibibytesAreKeptOrRefusedNeverCut)
{
    const LONGLONG pastFourGiB = 0x100000001LL;  // 4 GiB + 1: 1 once cut to 32 bits
    CMemFile file;
    file.Write("abc", 3);
    if (sizeof(SIZE_T) < sizeof(ULONGLONG)) {
        EXPECT_THROW(file.Seek(pastFourGiB, CFile::begin), CFileException);
        EXPECT_THROW(file.SetLength(static_cast<ULONGLONG>(pastFourGiB)), CMemoryException);
        EXPECT_EQ(3u, file.GetLength());
    } else {
        EXPECT_EQ(static_cast<ULONGLONG>(pastFourGiB), file.Seek(pastFourGiB, CFile::begin));
        char buf[4] = {};
        EXPECT_EQ(0u, file.Read(buf, 3)) << "nothing to read past the end";
    }
}

TEST(SharedFile, HandsGlobalMemoryToTheClipboardAndReadsItBack)
{
    const UINT format = RegisterClipboardFormatA("FwCoreTestArchive");
    ASSERT_NE(0u, format);
    CString text(static_cast<char>('t'), 5000);  // more than one growth step
    HGLOBAL hMem = nullptr;
    {
        CSharedFile file;
        CArchive ar(&file, CArchive::store);
        ar << text << static_cast<DWORD>(0xC0DE);
        ar.Close();
        EXPECT_EQ(3u + 5000u + 4u, file.GetLength());
        hMem = file.Detach();
    }
    ASSERT_NE(nullptr, hMem);
    EXPECT_EQ(3u + 5000u + 4u, GlobalSize(hMem)) << "the block is cut to the data";

    HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    EXPECT_NE(nullptr, SetClipboardData(format, hMem));  // the clipboard owns it now
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(owner));
    HGLOBAL hData = GetClipboardData(format);
    ASSERT_NE(nullptr, hData);
    {
        CSharedFile file;
        file.SetHandle(hData, FALSE);
        CArchive ar(&file, CArchive::load);
        CString loaded;
        DWORD marker = 0;
        ar >> loaded >> marker;
        EXPECT_EQ(text, loaded);
        EXPECT_EQ(0xC0DEu, marker);
    }
    EXPECT_EQ(3u + 5000u + 4u, GlobalSize(GetClipboardData(format))) << "the file left the clipboard's memory alone";
    EmptyClipboard();
    CloseClipboard();
    DestroyWindow(owner);
}
