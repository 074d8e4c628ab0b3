#include "foundation/system/codepage/CodePage.h"

#include <windows.h>

#include <atomic>
#include <cwchar>

#include "foundation/col/MergeSort.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::system::codepage {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(CodePage, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

struct KnownPage {
    uint32_t number;
    const wchar_t* name;
};

// The pages offered to the user, with the names they are shown by.
const KnownPage KNOWN_PAGES[] = {
    {850, L"Western (IBM-850)"},
    {852, L"Central European (IBM-852)"},
    {855, L"Cyrillic (IBM-855)"},
    {857, L"Turkish (IBM-857)"},
    {866, L"Russian (CP-866)"},
    {874, L"Thai (Windows-874)"},
    {932, L"Japanese (Shift_JIS)"},
    {936, L"Chinese Simplified (GBK)"},
    {949, L"Korean (UHC)"},
    {950, L"Chinese Traditional (Big5)"},
    {1200, L"UTF-16"},
    {1201, L"UTF-16BE"},
    {1250, L"Central European (Windows-1250)"},
    {1251, L"Cyrillic (Windows-1251)"},
    {1252, L"Western (Windows-1252)"},
    {1253, L"Greek (Windows-1253)"},
    {1254, L"Turkish (Windows-1254)"},
    {1255, L"Hebrew (Windows-1255)"},
    {1256, L"Arabic (Windows-1256)"},
    {1257, L"Baltic (Windows-1257)"},
    {1258, L"Vetnamese (Windows-1258)"},
    {1361, L"Korean (JOHAB)"},
    {20000, L"Chinese Traditional (CNS)"},
    {20127, L"English (ASCII)"},
    {20866, L"Russian (KOI8)"},
    {20932, L"Japanese (EUC-JP)"},
    {20936, L"Chinese Simplified (GB2312)"},
    {21866, L"Ukrainian (KOI8-U)"},
    {28591, L"Western (ISO 8859-1)"},
    {28592, L"Central European (ISO 8859-2)"},
    {28594, L"Baltic (ISO 8859-4)"},
    {28595, L"Cyrillic (ISO 8859-5)"},
    {28597, L"Greek (ISO 8859-7)"},
    {28599, L"Turkish (ISO 8859-9)"},
    {28605, L"Western (ISO 8859-15)"},
    {50220, L"Japanese (ISO-2022-JP)"},
    {50225, L"Korean (ISO-2022-KR)"},
    {50227, L"Chinese Simplified (ISO-2022-CN)"},
    {50229, L"Chinese Traditional (Big5-HKSCS)"},
    {51949, L"Korean (EUC-KR)"},
    {52936, L"Chinese Simplified (HZ)"},
    {54936, L"Chinese Simplified (GB18030)"},
    {65001, L"UTF-8"},
};

// The list and the objects found while building it. Built once; the objects are
// deleted at exit (not released: they never came back to the pool).
struct PageList {
    col::_array::ArrayP pages;
    const CodePage* utf16 = nullptr;
    const CodePage* utf16be = nullptr;
    const CodePage* utf8 = nullptr;
    std::atomic<bool> built{false};

    ~PageList() {
        for (uint32_t i = 0; i < pages.length(); ++i) delete pages.objectAt(i);
        pages.freeBuffer();
    }
};

// The global lock under which the list is built.
struct ListLock {
    CRITICAL_SECTION section;
    ListLock() { InitializeCriticalSection(&section); }
    ~ListLock() { DeleteCriticalSection(&section); }
};

PageList& pageList() {
    static PageList list;
    return list;
}

CRITICAL_SECTION* listLock() {
    static ListLock lock;
    return &lock.section;
}

// EnumSystemCodePagesW passes no user value: the list being built is reached
// through this pointer, set only while the global lock is held.
PageList* listBeingBuilt = nullptr;

bool isListed(const PageList& list, uint32_t number) {
    for (uint32_t i = 0; i < list.pages.length(); ++i) {
        if (list.pages.getAs<CodePage>(i)->number() == number) return true;
    }
    return false;
}

void addPage(PageList& list, uint32_t number) {
    const wchar_t* name = CodePage::knownDisplayName(number);
    if (!name || isListed(list, number)) return;
    CodePage* page = CodePage::acquire();
    if (!page) return;
    if (!page->set(number, name) || !list.pages.addObject(page)) page->release();
}

BOOL CALLBACK onSupportedPage(LPWSTR numberText) {
    if (listBeingBuilt && numberText) addPage(*listBeingBuilt, uint32_t(wcstoul(numberText, nullptr, 10)));
    return TRUE;
}

int32_t compareByName(const void* a, const void* b, void*) {
    const CodePage* first = static_cast<const CodePage*>(static_cast<const base::IObject*>(a));
    const CodePage* second = static_cast<const CodePage*>(static_cast<const base::IObject*>(b));
    return first->displayName()->compareToIgnoreCase(second->displayName());
}

void build(PageList& list) {
    listBeingBuilt = &list;
    EnumSystemCodePagesW(&onSupportedPage, CP_SUPPORTED);
    listBeingBuilt = nullptr;
    addPage(list, CodePage::UTF16);
    addPage(list, CodePage::UTF16BE);
    col::MergeSort::sortAscending(&list.pages, &compareByName);
    for (uint32_t i = 0; i < list.pages.length(); ++i) {
        const CodePage* page = list.pages.getAs<CodePage>(i);
        if (page->number() == CodePage::UTF16) list.utf16 = page;
        if (page->number() == CodePage::UTF16BE) list.utf16be = page;
        if (page->number() == CodePage::UTF8) list.utf8 = page;
    }
}

PageList& builtList() {
    PageList& list = pageList();
    if (!list.built.load(std::memory_order_acquire)) {
        EnterCriticalSection(listLock());
        if (!list.built.load(std::memory_order_relaxed)) {
            build(list);
            list.built.store(true, std::memory_order_release);
        }
        LeaveCriticalSection(listLock());
    }
    return list;
}

}  // namespace

CodePage::CodePage() : number_(0), displayName_(StrBuffer::acquire()) { reset(); }

CodePage::~CodePage() { delete displayName_; }

void CodePage::reset() {
    number_ = 0;
    if (displayName_) displayName_->clear();
}

bool CodePage::set(uint32_t number, const wchar_t* displayName) {
    number_ = number;
    return displayName_ && displayName_->set(displayName);
}

const col::_array::ArrayP& CodePage::list() { return builtList().pages; }

uint32_t CodePage::count() { return builtList().pages.length(); }

const CodePage* CodePage::at(uint32_t i) { return builtList().pages.getAs<CodePage>(i); }

const CodePage* CodePage::find(uint32_t number) {
    const col::_array::ArrayP& pages = builtList().pages;
    for (uint32_t i = 0; i < pages.length(); ++i) {
        const CodePage* page = pages.getAs<CodePage>(i);
        if (page->number() == number) return page;
    }
    return nullptr;
}

const CodePage* CodePage::utf16() { return builtList().utf16; }

const CodePage* CodePage::utf16be() { return builtList().utf16be; }

const CodePage* CodePage::utf8() { return builtList().utf8; }

const wchar_t* CodePage::knownDisplayName(uint32_t number) {
    for (const KnownPage& page : KNOWN_PAGES) {
        if (page.number == number) return page.name;
    }
    return nullptr;
}

}  // namespace s::system::codepage
