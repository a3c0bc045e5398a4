#pragma once

#include <litehtml.h>

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

namespace platform {

// What the container asks of the view it draws for.
struct PageContainerHost {
    std::function<QSize()> clientSize;                  // visible part of the page
    std::function<void(const QString& href)> linkClicked; // a user's click on a link
    std::function<void(const QString& cursor)> cursorChanged;
};

// The layout engine's window on Qt: fonts, text, images and boxes are
// measured and drawn with a QPainter. Files are loaded only from the local
// file system, relative to the page's folder.
class PageContainer : public litehtml::document_container {
public:
    PageContainer(PageContainerHost host, QString pageFolder);
    ~PageContainer();

    // The font behind a handle create_font gave.
    static QFont fontOf(litehtml::uint_ptr handle);

    // The painter used while the document draws.
    void setPainter(QPainter* painter) { m_painter = painter; }

    // A file the page refers to, as a local path; empty for remote or
    // unsupported addresses.
    QString resolve(const QString& address, const QString& base = {}) const;
    // The text of a linked style sheet; empty when it cannot be loaded.
    QString loadStyleSheet(const QString& address, const QString& base = {}) const;

    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const litehtml::tchar_t* get_default_font_name() const override;
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redraw_on_ready) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                      bool root) override;
    void set_caption(const litehtml::tchar_t* caption) override;
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
    void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
    void set_cursor(const litehtml::tchar_t* cursor) override;
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
                  bool valid_y) override;
    void del_clip() override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t* tag_name,
                                                      const litehtml::string_map& attributes,
                                                      const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    const QImage* image(const char* src, const char* baseurl);
    // A picture drawn at another size than its own is scaled once a size.
    const QImage& scaledImage(const QImage& picture, const char* src, const char* baseurl, const QSize& size);
    // A background or an image element: its picture at its size and place,
    // repeated as asked, within the clip.
    void drawPicture(QPainter& painter, const QImage& picture, const litehtml::background_paint& bg, const QRect& clip);

    PageContainerHost m_host;
    QString m_pageFolder;
    QString m_baseFolder;
    QPainter* m_painter = nullptr;
    QHash<QString, QImage> m_images; // by resolved path; a null image when it failed to load
    QHash<QString, QImage> m_scaled; // by size and resolved path
};

} // namespace platform
