#!/usr/bin/env python3
"""Checks the embedded language pack (resources/lang/LangPack.xml) before it is
built into the program, and prints per language how many user-visible entries
it translates.

The localiser fills every id a language lacks with the English text, so a
missing translation never shows up as a failure at run time; this script is
where such gaps (and layout slips the program's small XML parser would not
forgive) are caught. It checks:
  - the file: UTF-8 without byte-order mark, no XML declaration, CRLF line
    ends only, indented with spaces, no stray text outside the elements;
  - the languages: all 34 in the fixed order with their exact names;
  - the entries: every id once, ascending, "eng" first, known tags only,
    exactly one element per language (609200 keeps a second "fra", the first
    one fixed), the fixed English texts, texts that stay as they are (product
    names, version, date, addresses) given in English only;
  - every user-visible entry translated in every language and differing from
    English unless ALLOWED_SAME names the pair with its reason;
  - the shape of the translations: "..." kept, trailing colons kept, the
    padding of the role buttons, one-letter slider labels, the script of each
    language, the Venetian letter the loader swaps on old systems, the support
    addresses inside 109100;
  - addresses: https:// under the documentation domain tuvo.example;
  - the only @NAME@ tokens are the two the build fills in.
Usage: check-langpack.py [path-to-LangPack.xml]; exit status 1 on any fault.
Standard library only."""
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET
from urllib.parse import urlparse

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "lang", "LangPack.xml")

# (tagName, engName, trueName) in menu order; the native names are kept exactly
# as the program has always stored them, odd spellings and "(Partial)" included.
LANGUAGES = [
    ("eng", "English", "English"),
    ("bel", "Belarusian", "Беларускі"),
    ("deu", "German", "Deutsch"),
    ("ell", "Greek", "Ελληνικά"),
    ("fra", "French", "Français"),
    ("ita", "Italian", "Italiano"),
    ("hun", "Hungarian", "Magyar"),
    ("nld", "Dutch", "Nederlands"),
    ("rom", "Romanian", "Română"),
    ("rus", "Russian", "Русский"),
    ("tur", "Turkish", "Türkçe"),
    ("zhs", "Chinese_Simplified", "简体中文"),
    ("jpn", "Japanese", "日本語"),
    ("kor", "Korean", "한국어"),
    ("ara", "Arabic", "عربي (Partial)"),
    ("ind", "Indonesian", "Bahasa Indonesia (Partial)"),
    ("bul", "Bulgarian", "Български (Partial)"),
    ("cze", "Czech", "Cestina (Partial)"),
    ("cpn", "Serbian_Cyrillic", "Српски (Partial)"),
    ("dan", "Danish", "Dansk (Partial)"),
    ("est", "Estonian", "Eesti (Partial)"),
    ("spa", "Spanish", "Español (Partial)"),
    ("hrv", "Croatian", "Hrvatski (Partial)"),
    ("per", "Persian", "فارسی (Partial)"),
    ("pol", "Polish", "Polski (Partial)"),
    ("bra", "Portuguese_Brazilian", "Portugus Brasileiro (Partial)"),
    ("slk", "Slovak", "Slovensky (Partial)"),
    ("srp", "Serbian_Latin", "Srpski (Partial)"),
    ("fin", "Finnish", "Suomeksi (Partial)"),
    ("swe", "Swedish", "Svenska (Partial)"),
    ("ukr", "Ukrainian", "Українська (Partial)"),
    ("vec", "Venetian", "Vèneto Vec-to (Partial)"),
    ("zht", "Chinese_Traditional", "繁體中文 (Partial)"),
    ("vie", "Vietnamese", "Việt Nam (Partial)"),
]
TAGS = [tag for tag, _, _ in LANGUAGES]

# Entries whose English text is fixed (the " " padding of 740000/740100 is
# written &#160; in the file).
FIXED_ENGLISH = {
    105000: "Support Tuvo via Donation",
    107000: "More Software from Tuvo (online)",
    108100: "Using at Workplace? (online)",
    109000: "Generate Error Report File...",
    300000: "Tuvo HueSnap",
    400010: "Version:",
    400020: "Last Updated:",
    400030: "OS:",
    400080: "URL:",
    400100: "Version Information",
    400110: "Is this freeware useful?",
    400120: "Close",
    500000: "Tuvo HueSnap",
    500001: "Freeware",
    500002: "HueSnap",
    500030: "Windows XP/2003/Vista",
    500089: "Is this freeware useful?",
    500090: "Please support us via donation.",
    500101: "",
    500102: "",
    609000: "View",
    609100: "Keep on Top",
    609200: "Close By Mouse-Wheel Click",
    609300: "Easy Drag",
    609500: "Start on System Boot",
    609900: "Skin",
    700000: "Language",
    700001: "Translate? (online)",
    701000: "About",
    701100: "Version Information",
    701200: "Software Page (online)",
    701300: "Tell Developers (online)",
    740000: " Text ",
    740100: " Background ",
    750000: "Open Window",
    751000: "Exit",
    830000: "Prevent Moving Past Screen Edges",
    900000: "Sample Text",
    900200: "You can Pick Color from Screen.",
    900210: "Please Press Alt-Key!",
    900500: "Copy to Clipboard",
    920000: "Contrast",
    920010: "Normal text:",
    920020: "Large text:",
    920030: "pass",
    920040: "fail",
    920100: "Fix Contrast to AA (4.5:1)",
    920110: "Fix Contrast to AAA (7:1)",
    920200: "Cannot reach this contrast.",
    920300: "Copy As",
    920400: "Show Contrast",
    1000100: "H:",
    1000200: "S:",
    1000300: "L:",
}

# Web addresses, by what they open. 106000 and 500100 are both the donation page.
ADDRESS_IDS = {
    101000: "web page",
    106000: "donation page",
    108000: "software list",
    108200: "use at the workplace",
    108500: "translation page",
    500003: "product page",
    500004: "product feedback page",
    500006: "product version page",
    500100: "donation page",
}
ADDRESS_HOST = "tuvo.example"
SUPPORT_MAIL = "support@" + ADDRESS_HOST
FEEDBACK_ID = 500004

# Texts that stay the same in every language: given in English only, the
# loader copies them into the other languages.
SAME_EVERYWHERE_IDS = {100000, 300000, 500000, 500001, 500002, 500010, 500020, 500101, 500102} | set(ADDRESS_IDS)

# Placeholders the build replaces (configure_file @ONLY); a configured copy
# holds the real values instead.
BUILD_VALUES = {
    500010: ("@PROJECT_VERSION@", r"\d+(\.\d+)+"),
    500020: ("@HUESNAP_RELEASE_DATE_SLASHED@", r"\d{4}/\d{2}/\d{2}"),
}

ALL_IDS = sorted(set(FIXED_ENGLISH) | SAME_EVERYWHERE_IDS | {109100})
USER_VISIBLE_IDS = [i for i in ALL_IDS if i not in SAME_EVERYWHERE_IDS]

# The one entry with two elements of a language: the first one is what users see.
DOUBLE_ELEMENT = (609200, "fra", "Fermer par le Bouton du Milieu")

# Translations that are rightly identical to the English text.
SAME_IN_ALL_LANGUAGES = {500030: "names of Windows editions are not translated"}
ALLOWED_SAME = {
    ("deu", 400010): "German 'Version' is the same word",
    ("deu", 400080): "'URL' is the usual German term",
    ("deu", 740000): "German 'Text' is the same word",
    ("deu", 1000200): "S = Sättigung",
    ("ita", 400080): "'URL' is the usual Italian term",
    ("ita", 1000200): "S = Saturazione",
    ("ita", 1000300): "L = Luminosità",
    ("nld", 400080): "'URL' is the usual Dutch term",
    ("nld", 920000): "Dutch 'Contrast' is the same word",
    ("rom", 400080): "'URL' is the usual Romanian term",
    ("rom", 920000): "Romanian 'Contrast' is the same word",
    ("rom", 740000): "Romanian 'Text' is the same word",
    ("rom", 1000200): "S = Saturație",
    ("rom", 1000300): "L = Luminozitate",
    ("jpn", 400030): "Japanese programs write 'OS'",
    ("jpn", 400080): "Japanese programs write 'URL'",
    ("ind", 1000200): "S = Saturasi",
    ("cze", 740000): "Czech 'Text' is the same word",
    ("cze", 1000200): "S = Sytost",
    ("dan", 400010): "Danish 'Version' is the same word",
    ("dan", 1000300): "L = Lysstyrke",
    ("spa", 1000200): "S = Saturación",
    ("spa", 1000300): "L = Luminosidad",
    ("bra", 1000200): "S = Saturação",
    ("bra", 1000300): "L = Luminosidade",
    ("slk", 740000): "Slovak 'Text' is the same word",
    ("slk", 1000200): "S = Sýtosť",
    ("swe", 400010): "Swedish 'Version' is the same word",
    ("swe", 740000): "Swedish 'Text' is the same word",
    ("swe", 1000300): "L = Ljusstyrka",
    ("vec", 400010): "Venetian 'Version' is the same word",
    ("vec", 1000200): "S = Saturasion",
}

# Letters a language's texts may use, by Unicode character-name prefix.
SCRIPTS = {
    "bel": ("CYRILLIC",), "rus": ("CYRILLIC",), "bul": ("CYRILLIC",), "cpn": ("CYRILLIC",), "ukr": ("CYRILLIC",),
    "ell": ("GREEK",),
    "ara": ("ARABIC",), "per": ("ARABIC",),
    "kor": ("HANGUL",),
    "jpn": ("CJK", "HIRAGANA", "KATAKANA"),
    "zhs": ("CJK",), "zht": ("CJK",),
}
# Latin words that stand unchanged inside texts of other scripts (names, keys).
# The contrast levels' names: "AAA" before "AA", which is part of it.
LATIN_WORDS = ("Windows XP/2003/Vista", "Tuvo", "Alt", "e-mail", "OS", "URL", "AAA", "AA")

# Characters that exist in only one of the two Chinese scripts (simplified, traditional).
CHINESE_PAIRS = ("软軟 关關 闭閉 网網 语語 设設 户戶 颜顏 载載 体體 开開 动動 发發 错錯 报報 档檔 页頁 译譯 视視 "
                 "资資 讯訊 从從 贴貼 轮輪 击擊 层層 边邊 缘緣 时時 启啟 结結 范範 这這 对對 们們 请請 过過 电電 "
                 "邮郵 见見 馈饋 单單 产產 误誤 线線 与與 为為 后後 统統 饱飽 浓濃 调調 选選 择擇 显顯 样樣 拟擬 "
                 "帮幫 吗嗎 务務 码碼 块塊 处處 应應 键鍵 复複 图圖 标標 觉覺 撑撐 欢歡 态態 胜勝")
SIMPLIFIED_ONLY = {p[0] for p in CHINESE_PAIRS.split() if p[0] != p[1]}
TRADITIONAL_ONLY = {p[1] for p in CHINESE_PAIRS.split() if p[0] != p[1]}

# Format characters a text may hold: Persian writes the zero-width non-joiner
# inside words (نرم‌افزار), as its spelling requires.
ALLOWED_FORMAT_CHARS = {"per": {"\u200c"}}

VENETIAN_SWAPPED = "\u019a"  # ƚ, replaced by ł (U+0142) on Windows before 6.0
CONFIGURE_TOKEN = re.compile(r"@[A-Za-z0-9_./+-]+@")


class Report:
    def __init__(self):
        self.faults = []

    def fault(self, message):
        self.faults.append(message)


def check_bytes(data, report):
    if data.startswith(b"\xef\xbb\xbf"):
        report.fault("file starts with a byte-order mark")
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        report.fault("not UTF-8: %s" % e)
        return None
    if text.lstrip().startswith("<?"):
        report.fault("file has an XML declaration or processing instruction")
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        report.fault("line ends other than CRLF")
    if not text.endswith("\r\n"):
        report.fault("last line does not end with CRLF")
    for number, line in enumerate(text.split("\r\n"), 1):
        if "\t" in line:
            report.fault("line %d: tab character (indent with spaces)" % number)
        if line != line.rstrip():
            report.fault("line %d: trailing white space" % number)
    if "\u00a0" in text:
        report.fault("literal no-break space in the file; write padding as &#160;")
    tokens = set(CONFIGURE_TOKEN.findall(text))
    expected = {placeholder for placeholder, _ in BUILD_VALUES.values()}
    if tokens - expected:
        report.fault("@NAME@ tokens the build would replace: %s" % sorted(tokens - expected))
    if "${" in text:
        report.fault("'${' in the file: configure_file would substitute it")
    return text


def program_text(element):
    """The text as the localiser reads it: &#160; becomes an ordinary space."""
    return (element.text or "").replace("\u00a0", " ")


def check_languages(root, report):
    children = list(root)
    if [c.tag for c in children] != ["languages", "entries"]:
        report.fault("root children are %s, expected languages, entries" % [c.tag for c in children])
    languages = root.find("languages")
    if languages is None:
        return
    found = []
    for child in languages:
        if child.tag != "entry" or len(child) or (child.text or "").strip():
            report.fault("languages: unexpected element or content <%s>" % child.tag)
        if set(child.attrib) != {"tagName", "engName", "trueName"}:
            report.fault("languages: entry attributes %s" % sorted(child.attrib))
        found.append((child.get("tagName"), child.get("engName"), child.get("trueName")))
    if found != LANGUAGES:
        for index in range(max(len(found), len(LANGUAGES))):
            got = found[index] if index < len(found) else None
            want = LANGUAGES[index] if index < len(LANGUAGES) else None
            if got != want:
                report.fault("language %d: %r, expected %r" % (index, got, want))


def read_entries(root, report):
    """-> {id: [(tag, text), ...]} in document order."""
    entries = {}
    container = root.find("entries")
    if container is None:
        report.fault("no entries element")
        return entries
    previous = -1
    for entry in container:
        raw_id = entry.get("id", "")
        if entry.tag != "entry" or not raw_id.isdigit():
            report.fault("entries: unexpected element <%s id=%r>" % (entry.tag, raw_id))
            continue
        number = int(raw_id)
        if number <= previous:
            report.fault("entry %d: ids not strictly ascending" % number)
        previous = number
        if set(entry.attrib) != {"id"}:
            report.fault("entry %d: attributes %s" % (number, sorted(entry.attrib)))
        elements = []
        for child in entry:
            if len(child) or child.attrib:
                report.fault("entry %d: <%s> has attributes or children" % (number, child.tag))
            if (child.tail or "").strip():
                report.fault("entry %d: free text after <%s>; notes go before the first element" % (number, child.tag))
            elements.append((child.tag, program_text(child)))
        entries[number] = elements
    missing = sorted(set(ALL_IDS) - set(entries))
    extra = sorted(set(entries) - set(ALL_IDS))
    if missing:
        report.fault("missing ids: %s" % missing)
    if extra:
        report.fault("unknown ids: %s" % extra)
    return entries


def check_entry_elements(number, elements, report):
    """-> {tag: first text}; checks order, tags, duplicates, raw white space."""
    texts = {}
    if not elements or elements[0][0] != "eng":
        report.fault("entry %d: 'eng' is not the first element" % number)
    for tag, text in elements:
        if tag not in TAGS:
            report.fault("entry %d: unknown language tag <%s>" % (number, tag))
        if tag in texts:
            if (number, tag) != DOUBLE_ELEMENT[:2]:
                report.fault("entry %d: <%s> appears twice" % (number, tag))
            continue
        texts[tag] = text
    if number == DOUBLE_ELEMENT[0]:
        french = [text for tag, text in elements if tag == DOUBLE_ELEMENT[1]]
        if len(french) != 2 or french[0] != DOUBLE_ELEMENT[2]:
            report.fault("entry %d: expected two <fra>, the first %r" % (number, DOUBLE_ELEMENT[2]))
    return texts


def check_english(entries, report):
    for number, expected in FIXED_ENGLISH.items():
        got = dict(entries.get(number, [])).get("eng")
        if got is not None and got != expected:
            report.fault("entry %d: English %r, expected %r" % (number, got, expected))
    for number, (placeholder, value) in BUILD_VALUES.items():
        got = dict(entries.get(number, [])).get("eng", "")
        if got != placeholder and not re.fullmatch(value, got):
            report.fault("entry %d: %r is neither %s nor a built value" % (number, got, placeholder))


def check_addresses(entries, report):
    seen = {}
    for number, kind in ADDRESS_IDS.items():
        address = dict(entries.get(number, [])).get("eng", "")
        parts = urlparse(address)
        if not address.startswith("https://") or parts.netloc != ADDRESS_HOST or " " in address:
            report.fault("entry %d (%s): %r is not an https:// address on %s" % (number, kind, address, ADDRESS_HOST))
        if address in seen and seen[address] != kind:
            report.fault("entry %d (%s) shares its address with the %s" % (number, kind, seen[address]))
        seen.setdefault(address, kind)
    site = dict(entries.get(100000, [])).get("eng", "")
    if site != ADDRESS_HOST:
        report.fault("entry 100000: site name %r, expected %r" % (site, ADDRESS_HOST))


def strip_latin_words(text):
    text = re.sub(r"https://\S+|\S+@\S+", "", text)
    for word in LATIN_WORDS:
        text = text.replace(word, "")
    return text


def check_script(tag, number, text, report):
    allowed_format = ALLOWED_FORMAT_CHARS.get(tag, set())
    for char in text:
        category = unicodedata.category(char)
        if category == "Cc" or (category == "Cf" and char not in allowed_format):
            report.fault("%s %d: control or format character U+%04X" % (tag, number, ord(char)))
    if not unicodedata.is_normalized("NFC", text):
        report.fault("%s %d: text is not in NFC" % (tag, number))
    prefixes = SCRIPTS.get(tag, ("LATIN",))
    for char in strip_latin_words(text) if tag in SCRIPTS else text:
        if char.isalpha() and not unicodedata.name(char, "").startswith(prefixes):
            report.fault("%s %d: letter %r outside the language's script" % (tag, number, char))
            break
    if tag == "zhs" and set(text) & TRADITIONAL_ONLY:
        report.fault("zhs %d: traditional characters %s" % (number, sorted(set(text) & TRADITIONAL_ONLY)))
    if tag == "zht" and set(text) & SIMPLIFIED_ONLY:
        report.fault("zht %d: simplified characters %s" % (number, sorted(set(text) & SIMPLIFIED_ONLY)))
    if tag == "per" and re.search("[\u064a\u0643]", text):
        report.fault("per %d: Arabic yeh or kaf; Persian writes ی and ک" % number)
    if tag == "ara" and re.search("[\u06cc\u06a9]", text):
        report.fault("ara %d: Persian yeh or keheh in Arabic text" % number)
    if tag == "vec" and ("\u0142" in text or "\u023d" in text):
        report.fault("vec %d: write ƚ (U+019A), which the loader swaps for ł on old systems, not ł or Ƚ" % number)


def check_shape(tag, number, english, text, report):
    """Marks the English text carries that a translation keeps."""
    if "&" in text:
        report.fault("%s %d: '&' in the text (no accelerators)" % (tag, number))
    if text != text.strip() and number not in (740000, 740100):
        report.fault("%s %d: leading or trailing space" % (tag, number))
    if number in (740000, 740100):
        core = text[1:-1]
        if not (text.startswith(" ") and text.endswith(" ")) or not core or core != core.strip():
            report.fault("%s %d: %r must have exactly one padding space at each end" % (tag, number, text))
    if english.endswith("...") and not text.endswith("..."):
        report.fault("%s %d: '...' lost" % (tag, number))
    if english.endswith(":") and not text.endswith((":", "：")):
        report.fault("%s %d: trailing colon lost" % (tag, number))
    if "(online)" in english and not re.search(r"[(（][^()（）]+[)）]$", text):
        report.fault("%s %d: the online marker is not a bracketed ending" % (tag, number))
    if number in (1000100, 1000200, 1000300) and len(text) > 3:
        report.fault("%s %d: %r is too wide for the 15-pixel label" % (tag, number, text))
    if number == 109100:
        for needed in (SUPPORT_MAIL,):
            if needed not in text:
                report.fault("%s 109100: %s missing" % (tag, needed))


def check_translations(entries, report):
    """-> {tag: (own elements among the user-visible entries, of which same as English)}."""
    counts = {tag: [0, 0] for tag in TAGS}
    feedback = dict(entries.get(FEEDBACK_ID, [])).get("eng", "")
    used_allowances = set()
    per_entry = {}
    for number in ALL_IDS:
        texts = check_entry_elements(number, entries.get(number, []), report)
        per_entry[number] = texts
        english = texts.get("eng", "")
        if number in SAME_EVERYWHERE_IDS:
            if set(texts) - {"eng"}:
                report.fault("entry %d stays the same everywhere; give only <eng>, not %s"
                             % (number, sorted(set(texts) - {"eng"})))
            continue
        for tag in TAGS:
            text = texts.get(tag)
            if text is None:
                report.fault("entry %d: no <%s> translation" % (number, tag))
                continue
            if not text.strip():
                report.fault("entry %d: <%s> is empty" % (number, tag))
                continue
            counts[tag][0] += 1
            if tag == "eng":
                continue
            if text == english:
                if number in SAME_IN_ALL_LANGUAGES or (tag, number) in ALLOWED_SAME:
                    counts[tag][1] += 1
                    used_allowances.add((tag, number))
                else:
                    report.fault("%s %d: same as English (%r)" % (tag, number, text))
            check_script(tag, number, text, report)
            check_shape(tag, number, english, text, report)
            if number == 109100 and feedback and feedback not in text:
                report.fault("%s 109100: the feedback address %s is missing" % (tag, feedback))
    for stale in sorted(set(ALLOWED_SAME) - used_allowances):
        report.fault("ALLOWED_SAME lists %s %d, which is translated now; remove it" % stale)
    english_109100 = per_entry.get(109100, {}).get("eng", "")
    for needed in (SUPPORT_MAIL, feedback):
        if needed and needed not in english_109100:
            report.fault("eng 109100: %s missing" % needed)
    # The same English text is one translation in each language.
    for first, second in ((400110, 500089), (400100, 701100)):
        for tag in TAGS:
            a, b = per_entry.get(first, {}).get(tag), per_entry.get(second, {}).get(tag)
            if a is not None and b is not None and a != b:
                report.fault("%s: %d and %d differ (%r / %r)" % (tag, first, second, a, b))
    if not any(VENETIAN_SWAPPED in texts.get("vec", "") for texts in per_entry.values()):
        report.fault("vec: no ƚ anywhere; Venetian spelling uses it")
    return counts


def print_counts(counts):
    total = len(USER_VISIBLE_IDS)
    print("User-visible entries translated per language (of %d; 'same' = identical to English, allowed):" % total)
    for tag, eng_name, _ in LANGUAGES:
        own, same = counts[tag]
        print("  %s %-21s %2d/%d%s" % (tag, eng_name, own, total, "  same %d" % same if same else ""))


def main(argv):
    path = argv[1] if len(argv) > 1 else DEFAULT_PATH
    report = Report()
    with open(path, "rb") as f:
        text = check_bytes(f.read(), report)
    if text is None:
        print("\n".join(report.faults), file=sys.stderr)
        return 1
    try:
        root = ET.fromstring(text)
    except ET.ParseError as e:
        print("%s: not well-formed XML: %s" % (path, e), file=sys.stderr)
        return 1
    if root.tag != "lang":
        report.fault("root element <%s>, expected <lang>" % root.tag)
    check_languages(root, report)
    entries = read_entries(root, report)
    check_english(entries, report)
    check_addresses(entries, report)
    counts = check_translations(entries, report)
    print_counts(counts)
    if report.faults:
        print("%s: %d fault(s):" % (path, len(report.faults)), file=sys.stderr)
        print("\n".join("  " + fault for fault in report.faults), file=sys.stderr)
        return 1
    print("%s: OK (%d languages, %d entries)" % (path, len(LANGUAGES), len(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
