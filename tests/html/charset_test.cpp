// Pages are decoded by the charset they declare, else as Windows-1251.
#include "viewfixture.h"

#include "platform/html/charset.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    QByteArray bytes;
    QString expected; // the text between <b> and </b>
};

QString boldText(const QString& page)
{
    const qsizetype start = page.indexOf("<b>") + 3;
    return page.mid(start, page.indexOf("</b>") - start);
}

TEST(Charset, DeclarationDecidesTheDecoding)
{
    const QString privet = QString::fromUtf8("Привет");
    const QByteArray cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
    const Case cases[] = {
        {"undeclared", "<p><b>" + cp1251 + "</b>", privet},
        {"meta charset utf-8", "<meta charset=\"UTF-8\"><b>" + privet.toUtf8() + "</b>", privet},
        {"meta charset unquoted", "<meta charset=utf-8><b>" + privet.toUtf8() + "</b>", privet},
        {"http-equiv 1251",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"><b>" + cp1251 + "</b>",
         privet},
        {"http-equiv utf-8", "<META HTTP-EQUIV='content-type' CONTENT='text/html;charset=utf-8'><b>"
                                 + privet.toUtf8() + "</b>",
         privet},
        {"latin-1", "<meta charset=\"iso-8859-1\"><b>caf\xE9</b>", QString::fromUtf8("café")},
        {"utf-8 byte order mark", "\xEF\xBB\xBF<b>" + privet.toUtf8() + "</b>", privet},
        {"byte order mark beats meta", "\xEF\xBB\xBF<meta charset=windows-1251><b>" + privet.toUtf8() + "</b>",
         privet},
        {"unknown charset", "<meta charset=\"x-no-such\"><b>" + cp1251 + "</b>", privet},
    };
    for (const Case& c : cases)
        EXPECT_EQ(boldText(platform::decodePage(c.bytes)), c.expected) << c.what;

    QByteArray utf16("\xFF\xFE", 2);
    const QString text = QStringLiteral("<b>") + privet + QStringLiteral("</b>");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(boldText(platform::decodePage(utf16)), privet) << "utf-16le byte order mark";
}

TEST(Charset, TheViewDecodesTheFileItLoads)
{
    htmltest::PageFixture page("<html><body><span id=\"t1\">\xCF\xF0\xE8\xE2\xE5\xF2</span></body></html>");
    EXPECT_EQ(page.document.get("all").get("t1").get("innerHTML").toText(), QString::fromUtf8("Привет"));
}

// A page saved back keeps the charset it was read by.
TEST(Charset, TheDocumentTellsTheCharsetItWasReadBy)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"<p>plain</p>", "windows-1251"},
        {"<meta charset=\"UTF-8\"><p>x</p>", "utf-8"},
        {"<meta charset=\"x-no-such\"><p>x</p>", "windows-1251"},
        {"\xEF\xBB\xBF<p>x</p>", "utf-8"},
    };
    for (const auto& [bytes, charset] : cases) {
        htmltest::PageFixture page(bytes);
        EXPECT_EQ(page.document.get("charset").toText(), charset) << bytes.constData();
    }
}

} // namespace
