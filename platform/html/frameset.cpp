#include "frameset.h"

#include "domparser.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

// Deep enough for a frameset inside a frame, short of a page that frames itself.
constexpr int maximumFrameDepth = 4;

bool isFrameset(const DomDocument& document)
{
    return !document.elementsByTag(QStringLiteral("frameset")).empty();
}

QString firstFramePath(const ParsedPage& page)
{
    for (const DomNode* frame : page.document->elementsByTag(QStringLiteral("frame"))) {
        QString src = frame->attributeOr(QStringLiteral("src")).trimmed();
        if (src.isEmpty() || isRemoteAddress(src))
            continue;
        src.replace(u'\\', u'/');
        return QDir::isRelativePath(src) ? QFileInfo(page.source.filePath).dir().filePath(src) : src;
    }
    return {};
}

} // namespace

ParsedPage shownPage(const QString& path)
{
    ParsedPage page{loadPageSource(path), nullptr};
    page.document = parseHtml(page.source.text);
    for (int depth = 0; depth < maximumFrameDepth && isFrameset(*page.document); ++depth) {
        const QString framePath = firstFramePath(page);
        PageSource frame = framePath.isEmpty() ? PageSource() : loadPageSource(framePath);
        if (frame.found) {
            page = ParsedPage{frame, parseHtml(frame.text)};
            continue;
        }
        // The parser keeps <noframes> as text; it was written as markup.
        QString markup;
        for (const DomNode* noframes : page.document->elementsByTag(QStringLiteral("noframes")))
            markup += noframes->textContent();
        page.document = parseHtml(QStringLiteral("<html><body>") + markup + QStringLiteral("</body></html>"));
        break;
    }
    return page;
}

} // namespace platform
