// CodePage: the list of available pages (sorted, holding UTF-16 and UTF-16BE,
// built once even when first used from several threads) and the page objects.
#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

#include "StrTestSupport.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/system/codepage/CodePage.h"

namespace s::strtest {
namespace {

using system::codepage::CodePage;

TEST(CodePageList, FirstUseFromSeveralThreadsBuildsOneList) {
    const int threads = 8;
    std::vector<const CodePage*> seen(threads, nullptr);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) workers.emplace_back([t, &seen] { seen[t] = CodePage::utf16(); });
    for (std::thread& worker : workers) worker.join();
    ASSERT_NE(nullptr, seen[0]);
    for (const CodePage* page : seen) EXPECT_EQ(seen[0], page);
}

TEST(CodePageList, SortedByDisplayNameIgnoringCase) {
    ASSERT_GT(CodePage::count(), 2u);
    for (uint32_t i = 1; i < CodePage::count(); ++i) {
        const CodePage* before = CodePage::at(i - 1);
        const CodePage* after = CodePage::at(i);
        EXPECT_LE(before->displayName()->compareToIgnoreCase(after->displayName()), 0)
            << textOf(before->displayName()) << " / " << textOf(after->displayName());
    }
}

TEST(CodePageList, HoldsUtf16InBothByteOrders) {
    const CodePage* utf16 = CodePage::utf16();
    const CodePage* utf16be = CodePage::utf16be();
    ASSERT_NE(nullptr, utf16);
    ASSERT_NE(nullptr, utf16be);
    EXPECT_EQ(1200u, utf16->number());
    EXPECT_EQ(L"UTF-16", textOf(utf16->displayName()));
    EXPECT_EQ(1201u, utf16be->number());
    EXPECT_EQ(L"UTF-16BE", textOf(utf16be->displayName()));
    EXPECT_EQ(utf16, CodePage::find(1200));
    EXPECT_EQ(utf16be, CodePage::find(1201));
}

TEST(CodePageList, EveryPageOnceWithItsName) {
    std::set<uint32_t> numbers;
    for (uint32_t i = 0; i < CodePage::count(); ++i) {
        const CodePage* page = CodePage::at(i);
        EXPECT_TRUE(numbers.insert(page->number()).second) << page->number();
        ASSERT_NE(nullptr, CodePage::knownDisplayName(page->number()));
        EXPECT_EQ(std::wstring(CodePage::knownDisplayName(page->number())), textOf(page->displayName()));
    }
    EXPECT_NE(nullptr, CodePage::find(1252));
    // UTF-8 is listed when the system reports it (Windows does; Wine 8 does not).
    EXPECT_EQ(CodePage::find(65001), CodePage::utf8());
    if (CodePage::utf8()) {
        EXPECT_EQ(65001u, CodePage::utf8()->number());
    }
    EXPECT_EQ(nullptr, CodePage::find(437));  // supported, but not offered
}

TEST(CodePageList, DisplayNames) {
    EXPECT_STREQ(L"Vetnamese (Windows-1258)", CodePage::knownDisplayName(1258));
    EXPECT_STREQ(L"Chinese Simplified (GB18030)", CodePage::knownDisplayName(54936));
    EXPECT_STREQ(L"Western (ISO 8859-15)", CodePage::knownDisplayName(28605));
    EXPECT_EQ(nullptr, CodePage::knownDisplayName(437));
}

TEST(CodePageObject, PooledAndReset) {
    CodePage* page = CodePage::acquire();
    EXPECT_STREQ(L"s_system_codepage_CodePage", page->getClassName());
    EXPECT_EQ(CodePage::CLASS_NAME, page->getClassName());
    ASSERT_TRUE(page->set(1251, L"Cyrillic (Windows-1251)"));
    EXPECT_EQ(1251u, page->number());
    page->reset();
    EXPECT_EQ(0u, page->number());
    EXPECT_EQ(0u, page->displayName()->length());
    page->release();
}

}  // namespace
}  // namespace s::strtest
