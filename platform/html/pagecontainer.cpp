#include "pagecontainer.h"

#include "charset.h"
#include "pagesource.h"
#include "legacyelements.h"
#include "pagegeometry.h"

#include "../path.h"
#include "../wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>
#include <QUrl>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace platform {

namespace {

struct FontHandle {
    QFont font;
    QFontMetricsF metrics;
    // Lesson texts repeat their words; shaping each once saves most of the layout time.
    std::unordered_map<std::string, int> widths;
};

// What the layout engine asks a font for.
struct FontKey {
    std::string faceName;
    int size;
    int weight;
    litehtml::font_style italic;
    unsigned int decoration;
    auto operator<=>(const FontKey&) const = default;
};

// Fonts and their word widths are shared by all pages: a course's pages
// use the same few fonts and words, and a page's load no longer shapes
// again what the previous page shaped. A font's widths are dropped when
// they grow past a bound, so a long session keeps its memory.
constexpr size_t maximumWidthsPerFont = 200000;

// Never destroyed: fonts must not outlive Qt's font system, which goes
// down with the application before static objects would.
std::map<FontKey, std::unique_ptr<FontHandle>>& sharedFonts()
{
    static auto* fonts = new std::map<FontKey, std::unique_ptr<FontHandle>>;
    return *fonts;
}

FontHandle& handleOf(litehtml::uint_ptr handle)
{
    return *reinterpret_cast<FontHandle*>(handle);
}

QColor toQColor(const litehtml::web_color& color)
{
    return QColor(color.red, color.green, color.blue, color.alpha);
}

// The families pages of Windows days name, by the installed face with the
// same metrics or, failing that, the closest look. The generic families are
// what the browsers of those days took for them.
QString installedFace(const QString& family)
{
    static const QHash<QString, QString> faces = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("sans-serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("monospace"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("trebuchet ms"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("lucida sans unicode"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("georgia"), QStringLiteral("DejaVu Serif")},
        {QStringLiteral("lucida console"), QStringLiteral("DejaVu Sans Mono")},
    };
    return faces.value(family.toLower(), family);
}

// "Arial, 'Times New Roman', serif" as a list of installed families. Nothing
// is added after the page's own: a name no face carries is resolved by
// fontconfig's aliases, not replaced by a serif face.
QStringList families(const char* faceName)
{
    QStringList list;
    for (QString family : QString::fromUtf8(faceName).split(u',', Qt::SkipEmptyParts)) {
        family = family.trimmed();
        if (family.size() >= 2 && (family.startsWith(u'"') || family.startsWith(u'\'')))
            family = family.mid(1, family.size() - 2);
        if (!family.isEmpty())
            list.append(installedFace(family));
    }
    if (list.isEmpty())
        list.append(installedFace(QStringLiteral("serif")));
    return list;
}

QPainter* painterOf(litehtml::uint_ptr hdc)
{
    return reinterpret_cast<QPainter*>(hdc);
}

} // namespace

PageContainer::PageContainer(PageContainerHost host, QString pageFolder)
    : m_host(std::move(host)), m_pageFolder(std::move(pageFolder)), m_baseFolder(m_pageFolder)
{
}

PageContainer::~PageContainer() = default;

QString PageContainer::resolve(const QString& address, const QString& base) const
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty() || isRemoteAddress(trimmed))
        return {};
    QString path = trimmed;
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    path = QUrl::fromPercentEncoding(path.toUtf8());
    path.replace(u'\\', u'/');
    const qsizetype fragment = path.indexOf(u'#');
    if (fragment >= 0)
        path.truncate(fragment);
    if (path.isEmpty())
        return {};
    if (QDir::isRelativePath(path)) {
        const QString folder = base.isEmpty() || isRemoteAddress(base) ? m_baseFolder : base;
        path = QDir(folder).filePath(path);
    }
    return nativePath(QDir::cleanPath(path));
}

QString PageContainer::loadStyleSheet(const QString& address, const QString& base) const
{
    const QString path = resolve(address, base);
    QByteArray bytes;
    if (path.isEmpty() || readWholeFile(path, maximumPageBytes, bytes) != WholeFileRead::Done)
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodePage(bytes) : text;
}

litehtml::uint_ptr PageContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                              litehtml::font_style italic, unsigned int decoration,
                                              litehtml::font_metrics* fm)
{
    std::unique_ptr<FontHandle>& handle
        = sharedFonts()[FontKey{faceName ? faceName : "", size, weight, italic, decoration}];
    if (!handle) {
        QFont font;
        font.setFamilies(families(faceName ? faceName : ""));
        font.setPixelSize(std::max(1, size));
        font.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
        font.setItalic(italic == litehtml::fontStyleItalic);
        font.setUnderline(decoration & litehtml::font_decoration_underline);
        font.setStrikeOut(decoration & litehtml::font_decoration_linethrough);
        font.setOverline(decoration & litehtml::font_decoration_overline);
        handle.reset(new FontHandle{font, QFontMetricsF(font), {}});
    }
    if (fm) {
        fm->ascent = int(std::ceil(handle->metrics.ascent()));
        fm->descent = int(std::ceil(handle->metrics.descent()));
        fm->height = fm->ascent + fm->descent;
        fm->x_height = int(std::round(handle->metrics.xHeight()));
        fm->draw_spaces = handle->font.underline() || handle->font.strikeOut() || handle->font.overline();
    }
    return reinterpret_cast<litehtml::uint_ptr>(handle.get());
}

QFont PageContainer::fontOf(litehtml::uint_ptr handle)
{
    return handle ? handleOf(handle).font : QFont();
}

void PageContainer::delete_font(litehtml::uint_ptr)
{
    // Shared fonts live as long as the program.
}

int PageContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont)
{
    FontHandle& font = handleOf(hFont);
    if (font.widths.size() >= maximumWidthsPerFont)
        font.widths.clear();
    const auto [entry, added] = font.widths.try_emplace(text, 0);
    if (added)
        entry->second = int(std::ceil(font.metrics.horizontalAdvance(QString::fromUtf8(text))));
    return entry->second;
}

void PageContainer::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                              litehtml::web_color color, const litehtml::position& pos)
{
    QPainter* painter = painterOf(hdc);
    const FontHandle& font = handleOf(hFont);
    painter->setFont(font.font);
    painter->setPen(toQColor(color));
    painter->drawText(QPointF(pos.x, pos.y + std::ceil(font.metrics.ascent())), QString::fromUtf8(text));
}

int PageContainer::pt_to_px(int pt) const
{
    return int(std::round(pt * 96.0 / 72.0));
}

int PageContainer::get_default_font_size() const
{
    return 16;
}

const litehtml::tchar_t* PageContainer::get_default_font_name() const
{
    return "Times New Roman, serif";
}

void PageContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker)
{
    QPainter* painter = painterOf(hdc);
    if (!marker.image.empty()) {
        if (const QImage* picture = image(marker.image.c_str(), marker.baseurl); picture && !picture->isNull()) {
            painter->drawImage(QPoint(marker.pos.x, marker.pos.y), *picture);
            return;
        }
    }
    const QRectF box = toQRect(marker.pos);
    const QColor color = toQColor(marker.color);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    switch (marker.marker_type) {
    case litehtml::list_style_type_circle:
        painter->setPen(QPen(color, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case litehtml::list_style_type_disc:
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawEllipse(box);
        break;
    case litehtml::list_style_type_square:
        painter->fillRect(box, color);
        break;
    default:
        // Numbered markers: the layout engine leaves the text to us.
        if (marker.font) {
            const FontHandle& font = handleOf(marker.font);
            painter->setFont(font.font);
            painter->setPen(color);
            const QString number = QString::number(marker.index) + u'.';
            const qreal width = font.metrics.horizontalAdvance(number);
            painter->drawText(QPointF(box.right() - width, box.bottom()), number);
        }
        break;
    }
    painter->restore();
}

const QImage* PageContainer::image(const char* src, const char* baseurl)
{
    const QString path = resolve(QString::fromUtf8(src), QString::fromUtf8(baseurl ? baseurl : ""));
    if (path.isEmpty())
        return nullptr;
    auto found = m_images.find(path);
    if (found == m_images.end()) {
        QByteArray bytes;
        readWholeFile(path, maximumPictureFileBytes, bytes);
        found = m_images.insert(path, QImage::fromData(bytes));
    }
    return &found.value();
}

const QImage& PageContainer::scaledImage(const QImage& picture, const char* src, const char* baseurl, const QSize& size)
{
    const QString key = QStringLiteral("%1x%2 %3")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(resolve(QString::fromUtf8(src), QString::fromUtf8(baseurl ? baseurl : "")));
    auto found = m_scaled.find(key);
    if (found == m_scaled.end())
        found = m_scaled.insert(key, picture.scaled(size));
    return found.value();
}

void PageContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool)
{
    image(src, baseurl);
}

void PageContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz)
{
    const QImage* picture = image(src, baseurl);
    sz.width = picture ? picture->width() : 0;
    sz.height = picture ? picture->height() : 0;
}

void PageContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg)
{
    QPainter* painter = painterOf(hdc);
    const QRect clip = toQRect(bg.clip_box);
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    if (bg.color.alpha > 0) {
        const auto& r = bg.border_radius;
        if (r.top_left_x || r.top_right_x || r.bottom_left_x || r.bottom_right_x) {
            QPainterPath path;
            path.addRoundedRect(toQRect(bg.border_box), r.top_left_x, r.top_left_y);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->fillPath(path, toQColor(bg.color));
        } else {
            painter->fillRect(clip, toQColor(bg.color));
        }
    }
    const QImage* picture = bg.image.empty() ? nullptr : image(bg.image.c_str(), bg.baseurl.c_str());
    if (picture && !picture->isNull())
        drawPicture(*painter, *picture, bg, clip);
    painter->restore();
}

namespace {

// The place, in a row of tiles `step` apart that passes through `origin`, of
// the tile that covers `edge`.
long long tileCovering(long long origin, long long edge, long long step)
{
    long long tiles = (edge - origin) / step;
    if ((edge - origin) % step < 0)
        --tiles;
    return origin + tiles * step;
}

// Pictures scaled to more pixels than this are not kept scaled: the painter
// scales what shows of them at each paint (a page asking for a picture of
// 60,000 x 60,000 would otherwise hold gigabytes).
constexpr long long maximumScaledPixels = 4 << 20;

} // namespace

void PageContainer::drawPicture(QPainter& painter, const QImage& picture, const litehtml::background_paint& bg,
                                const QRect& clip)
{
    const QSize size(bg.image_size.width > 0 ? clampToPage(bg.image_size.width) : picture.width(),
                     bg.image_size.height > 0 ? clampToPage(bg.image_size.height) : picture.height());
    const QPoint origin(clampToPage(bg.position_x), clampToPage(bg.position_y));
    // Only what shows is drawn: the repeats of a small tile over a long page
    // would otherwise be drawn one by one at every paint.
    const QRect device(QPoint(0, 0), QSize(painter.device()->width(), painter.device()->height()));
    QRect shown = clip & painter.worldTransform().inverted().mapRect(device);
    if (painter.hasClipping())
        shown &= painter.clipBoundingRect().toAlignedRect();
    QRect tiled(origin, size);
    if (bg.repeat == litehtml::background_repeat_repeat || bg.repeat == litehtml::background_repeat_repeat_x)
        tiled.setLeft(shown.left()), tiled.setRight(shown.right());
    if (bg.repeat == litehtml::background_repeat_repeat || bg.repeat == litehtml::background_repeat_repeat_y)
        tiled.setTop(shown.top()), tiled.setBottom(shown.bottom());
    shown &= tiled;
    if (shown.isEmpty())
        return;
    if ((long long)size.width() * size.height() <= maximumScaledPixels) {
        const QImage& tile = size == picture.size() ? picture : scaledImage(picture, bg.image.c_str(), bg.baseurl.c_str(), size);
        painter.setBrushOrigin(origin);
        painter.fillRect(shown, QBrush(tile));
        return;
    }
    for (long long y = tileCovering(origin.y(), shown.top(), size.height()); y <= shown.bottom(); y += size.height()) {
        for (long long x = tileCovering(origin.x(), shown.left(), size.width()); x <= shown.right(); x += size.width())
            painter.drawImage(QRect(int(x), int(y), size.width(), size.height()), picture);
    }
}

void PageContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                                 const litehtml::position& draw_pos, bool)
{
    QPainter* painter = painterOf(hdc);
    const QRect box = toQRect(draw_pos);
    auto visible = [](const litehtml::border& border) {
        return border.width > 0 && border.style != litehtml::border_style_none
               && border.style != litehtml::border_style_hidden;
    };
    const int top = clampToPage(borders.top.width), bottom = clampToPage(borders.bottom.width);
    const int left = clampToPage(borders.left.width), right = clampToPage(borders.right.width);
    if (visible(borders.top))
        painter->fillRect(QRect(box.left(), box.top(), box.width(), top), toQColor(borders.top.color));
    if (visible(borders.bottom))
        painter->fillRect(QRect(box.left(), box.bottom() + 1 - bottom, box.width(), bottom),
                          toQColor(borders.bottom.color));
    if (visible(borders.left))
        painter->fillRect(QRect(box.left(), box.top(), left, box.height()), toQColor(borders.left.color));
    if (visible(borders.right))
        painter->fillRect(QRect(box.right() + 1 - right, box.top(), right, box.height()),
                          toQColor(borders.right.color));
}

void PageContainer::set_caption(const litehtml::tchar_t*)
{
    // The windows set their own captions.
}

void PageContainer::set_base_url(const litehtml::tchar_t* base_url)
{
    const QString base = QString::fromUtf8(base_url ? base_url : "");
    const QString resolved = base.isEmpty() ? QString() : resolve(base);
    m_baseFolder = resolved.isEmpty() ? m_pageFolder : QFileInfo(resolved).absolutePath();
}

void PageContainer::link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&)
{
    // Linked style sheets arrive through import_css.
}

void PageContainer::on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr&)
{
    if (m_host.linkClicked)
        m_host.linkClicked(QString::fromUtf8(url));
}

void PageContainer::set_cursor(const litehtml::tchar_t* cursor)
{
    if (m_host.cursorChanged)
        m_host.cursorChanged(QString::fromUtf8(cursor));
}

void PageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt)
{
    QString value = QString::fromUtf8(text.c_str());
    switch (tt) {
    case litehtml::text_transform_uppercase: value = value.toUpper(); break;
    case litehtml::text_transform_lowercase: value = value.toLower(); break;
    case litehtml::text_transform_capitalize:
        if (!value.isEmpty())
            value[0] = value[0].toUpper();
        break;
    default: return;
    }
    text = value.toStdString();
}

void PageContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl)
{
    const QString path = resolve(QString::fromUtf8(url.c_str()), QString::fromUtf8(baseurl.c_str()));
    text = loadStyleSheet(QString::fromUtf8(url.c_str()), QString::fromUtf8(baseurl.c_str())).toStdString();
    baseurl = QFileInfo(path).absolutePath().toStdString();
}

void PageContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses&, bool, bool)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setClipRect(toQRect(pos), Qt::IntersectClip);
}

void PageContainer::del_clip()
{
    if (m_painter)
        m_painter->restore();
}

void PageContainer::get_client_rect(litehtml::position& client) const
{
    const QSize size = m_host.clientSize ? m_host.clientSize() : QSize(800, 600);
    client = litehtml::position(0, 0, size.width(), size.height());
}

std::shared_ptr<litehtml::element> PageContainer::create_element(const litehtml::tchar_t* tag_name,
                                                                 const litehtml::string_map&,
                                                                 const std::shared_ptr<litehtml::document>& doc)
{
    // Form controls are ordinary boxes sized for the widgets laid over them.
    return createLegacyElement(tag_name, doc);
}

void PageContainer::get_media_features(litehtml::media_features& media) const
{
    const QSize size = m_host.clientSize ? m_host.clientSize() : QSize(800, 600);
    media.type = litehtml::media_type_screen;
    media.width = size.width();
    media.height = size.height();
    media.device_width = size.width();
    media.device_height = size.height();
    media.color = 8;
    media.monochrome = 0;
    media.color_index = 256;
    media.resolution = 96;
}

void PageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const
{
    language = "en";
    culture.clear();
}

} // namespace platform
