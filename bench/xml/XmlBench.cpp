// xml_bench.exe: parsing and writing a 1 MB document.
//
// References for the parse time: the floor is the UTF-8 decoding of the same
// bytes alone (what any parser of this text must at least do); the second
// reference is the system's own XML DOM (MSXML through COM, Wine's builtin under
// Wine), loaded at run time and skipped when it is not there.
#include <windows.h>
#include <msxml2.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <algorithm>

#include "bench/harness/Bench.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "xml/Node.h"

namespace {

using s::col::_array::ArrayU08;
using s::str::strbuffer::StrBuffer;
using s::xml::Node;

// A language-pack-like document of about 1 MB: languages with groups of entries,
// attributes, escaped and non-ASCII text, comments.
std::string makeDocument() {
    std::string xml = "<!-- generated --><langpack version=\"1\">";
    const char* words[] = {"Colour",
                           "Farbe",
                           "Couleur",
                           "\xE8\x89\xB2",
                           "\xD0\xA6\xD0\xB2\xD0\xB5\xD1\x82",
                           "Kleur",
                           "Colore",
                           "\xCE\xA7\xCF\x81\xCF\x8E\xCE\xBC\xCE\xB1"};
    char line[512];
    int entry = 0;
    for (int language = 0; xml.size() < 1024 * 1024; ++language) {
        snprintf(line, sizeof line, "<language engName=\"Lang%d\" code=\"%d\">", language, 1000 + language);
        xml += line;
        for (int group = 0; group < 20; ++group) {
            snprintf(line, sizeof line, "\n  <group name=\"g%d\"><!-- group %d -->", group, group);
            xml += line;
            for (int i = 0; i < 10; ++i, ++entry) {
                const char* word = words[entry % 8];
                snprintf(line, sizeof line,
                         "\n    <entry id=\"%d\" hint=\"%s &amp; &quot;more&quot;\">&#160;%s %d &lt;%s&gt;</entry>",
                         500000 + entry, word, word, entry, words[(entry + 3) % 8]);
                xml += line;
            }
            xml += "</group>";
        }
        xml += "</language>\n";
    }
    xml += "</langpack>";
    return xml;
}

// ---- MSXML through COM, looked up at run time.

const CLSID CLSID_DomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const IID IID_XmlDomDocument = {0x2933bf81, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

struct ComApi {
    HMODULE ole32 = nullptr;
    HMODULE oleaut32 = nullptr;
    HRESULT(WINAPI* coInitialize)(void*) = nullptr;
    HRESULT(WINAPI* coCreateInstance)(REFCLSID, IUnknown*, DWORD, REFIID, void**) = nullptr;
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT) = nullptr;
    void(WINAPI* sysFreeString)(BSTR) = nullptr;

    bool load() {
        ole32 = LoadLibraryW(L"ole32.dll");
        oleaut32 = LoadLibraryW(L"oleaut32.dll");
        if (!ole32 || !oleaut32) return false;
        coInitialize =
            reinterpret_cast<decltype(coInitialize)>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitialize")));
        coCreateInstance = reinterpret_cast<decltype(coCreateInstance)>(
            reinterpret_cast<void*>(GetProcAddress(ole32, "CoCreateInstance")));
        sysAllocStringLen = reinterpret_cast<decltype(sysAllocStringLen)>(
            reinterpret_cast<void*>(GetProcAddress(oleaut32, "SysAllocStringLen")));
        sysFreeString = reinterpret_cast<decltype(sysFreeString)>(
            reinterpret_cast<void*>(GetProcAddress(oleaut32, "SysFreeString")));
        return coInitialize && coCreateInstance && sysAllocStringLen && sysFreeString;
    }
};

}  // namespace

int main() {
    const std::string xml = makeDocument();
    ArrayU08* bytes = ArrayU08::acquire();
    bytes->append(xml.data(), uint32_t(xml.size()));
    wprintf(L"document: %u bytes of UTF-8\n", unsigned(xml.size()));

    Node* node = Node::acquire();
    StrBuffer* text = StrBuffer::acquire();
    bench::Result parse = bench::measure(L"parse 1 MB (UTF-8 bytes to tree)", 1, [&] { node->parseBytes(bytes); });
    bench::Result decode = bench::measure(L"UTF-8 decoding alone (floor)", 1, [&] {
        text->fromUtf8(reinterpret_cast<const char*>(bytes->data()), false, int32_t(bytes->length()));
    });
    bench::printRatio(parse, decode);

    node->parseBytes(bytes);
    const std::wstring wide(text->c_str(), text->length());
    bench::Result parseText =
        bench::measure(L"parse 1 MB (UTF-16 text to tree)", 1, [&] { node->parse(wide.c_str()); });
    bench::printRatio(parseText, decode);
    wprintf(L"tree: %u children of the root\n", node->childCount());
    // The parse figures above include giving the previous tree back; the two apart:
    std::vector<double> building, clearing;
    for (int i = 0; i < 15; ++i) {
        node->clear();
        const double start = bench::nowNs();
        node->parse(wide.c_str());
        const double built = bench::nowNs();
        node->clear();
        building.push_back(built - start);
        clearing.push_back(bench::nowNs() - built);
    }
    std::sort(building.begin(), building.end());
    std::sort(clearing.begin(), clearing.end());
    wprintf(L"%-48ls %12.1f ns/op (median of 15)\n", L"  of which building the tree", building[7]);
    wprintf(L"%-48ls %12.1f ns/op (median of 15)\n", L"  of which giving the tree back", clearing[7]);
    node->parse(wide.c_str());

    StrBuffer* out = StrBuffer::acquire();
    bench::Result write = bench::measure(L"write the tree (toXml)", 1, [&] { node->toXml(out, false); });
    bench::Result writeBytes = bench::measure(L"write the tree as UTF-8 (toUtf8Bytes)", 1, [&] {
        ArrayU08* written = node->toUtf8Bytes();
        bench::keep(written);
        written->release();
    });
    wprintf(L"written: %u code units\n", out->length());
    bench::printRatio(write, decode);
    bench::printRatio(writeBytes, decode);

    ComApi com;
    IXMLDOMDocument* document = nullptr;
    if (com.load() && SUCCEEDED(com.coInitialize(nullptr)) &&
        SUCCEEDED(com.coCreateInstance(CLSID_DomDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_XmlDomDocument,
                                       reinterpret_cast<void**>(&document))) &&
        document) {
        BSTR source = com.sysAllocStringLen(wide.c_str(), UINT(wide.size()));
        VARIANT_BOOL ok = VARIANT_FALSE;
        document->loadXML(source, &ok);
        if (ok == VARIANT_TRUE) {
            bench::Result msxml = bench::measure(
                L"system DOM loadXML 1 MB (MSXML via COM)", 1, [&] { document->loadXML(source, &ok); }, 5);
            bench::printRatio(parseText, msxml);
        } else {
            wprintf(L"system DOM: loadXML refused the document\n");
        }
        com.sysFreeString(source);
        document->Release();
    } else {
        wprintf(L"system DOM: not available\n");
    }

    out->release();
    text->release();
    node->release();
    bytes->release();
    return 0;
}
