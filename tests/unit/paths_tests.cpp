#include <gtest/gtest.h>

#include "common/paths.h"

namespace mvane {
namespace {

TEST(Paths, FolderAndFileName) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
  };
  const Case cases[] = {
      {"C:\\Mail\\Store\\inbox.wab", "C:\\Mail\\Store", "inbox.wab"},
      {"C:\\inbox.wab", "C:", "inbox.wab"},
      {"C:inbox.wab", "C:", "inbox.wab"},
      {"\\\\server\\share\\book.wab", "\\\\server\\share", "book.wab"},
      {"inbox.wab", "", "inbox.wab"},
      {"", "", ""},
      {"C:\\Mail\\", "C:\\Mail", ""},
      {"C:/Mail/inbox.wab", "C:/Mail/", "inbox.wab"},
      {" C:\\Mail\\x.wab", "C:\\Mail", "x.wab"},
      // Folders whose names end in 表 and ソ: in code page 932 their second byte was "\".
      {"C:\\表\\ソ\\アドレス帳.wab", "C:\\表\\ソ", "アドレス帳.wab"},
      {"C:\\データ表\\book.wab", "C:\\データ表", "book.wab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNameOfPath(c.path), c.name) << c.path;
  }
}

}  // namespace
}  // namespace mvane
