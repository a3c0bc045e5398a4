#include "useragentstyle.h"

namespace platform {

const char* userAgentStyleSheet()
{
    return R"css(
html { display: block; }
head, style, script, title, meta, link, base, noscript, noframes, template, option, datalist, map, area { display: none; }
body { display: block; margin: 8px; }
address, article, aside, blockquote, center, dd, details, dir, div, dl, dt, fieldset, figcaption, figure,
footer, form, header, hr, legend, main, menu, nav, ol, p, pre, section, summary, ul, h1, h2, h3, h4, h5, h6 {
    display: block;
}
p, dl, blockquote, figure, pre, ul, ol, menu, dir { margin-top: 1em; margin-bottom: 1em; }
blockquote, figure { margin-left: 40px; margin-right: 40px; }
dd { margin-left: 40px; }
h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; font-weight: bold; }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; font-weight: bold; }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; font-weight: bold; }
h4 { margin-top: 1.33em; margin-bottom: 1.33em; font-weight: bold; }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; font-weight: bold; }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; font-weight: bold; }
ul, ol, menu, dir { padding-left: 40px; }
ul, menu, dir { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul, ol ul { list-style-type: circle; }
ol ol ul, ol ul ul, ul ol ul, ul ul ul { list-style-type: square; }
li { display: list-item; }
hr { border-style: inset; border-width: 1px; border-color: #a0a0a0; margin-top: 0.5em; margin-bottom: 0.5em; }
b, strong, th { font-weight: bold; }
i, em, cite, var, dfn, address { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
big { font-size: 1.17em; }
small, sub, sup { font-size: 0.83em; }
sub { position: relative; top: 0.3em; }
sup { position: relative; top: -0.4em; }
tt, code, kbd, samp, pre { font-family: monospace; }
pre { white-space: pre; }
center { text-align: center; }
a:link { color: #0000ee; text-decoration: underline; cursor: pointer; }
a[href] { color: #0000ee; text-decoration: underline; cursor: pointer; }
img { display: inline-block; }
table { display: table; border-collapse: separate; border-spacing: 2px; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { text-align: center; }
caption { display: table-caption; text-align: center; }
col { display: table-column; }
colgroup { display: table-column-group; }
input, select, textarea, button { display: inline-block; }
br { display: block; }
)css";
}

} // namespace platform
