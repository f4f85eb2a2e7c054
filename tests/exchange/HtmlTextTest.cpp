#include <gtest/gtest.h>

#include "exchange/HtmlText.h"

namespace
{
    struct Html
    {
        const char* html;
        const char* text;
        unsigned media;
    };

    class HtmlText : public ::testing::TestWithParam<Html>
    {
    };
}

TEST_P(HtmlText, BecomesPlainTextWithMediaReferencesCounted)
{
    unsigned media = 0;
    EXPECT_EQ(Qlx::plainTextOfHtml(GetParam().html, media), GetParam().text);
    EXPECT_EQ(media, GetParam().media);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, HtmlText,
    ::testing::Values(Html {"<b>bold</b> and <i>it</i>alic", "bold and italic", 0},
                      Html {"one<br>two<br/>three<BR />four", "one two three four", 0},
                      Html {"<div>a</div><div>b</div>", "a b", 0},
                      Html {"<p> a </p>\n<p>  b</p>", "a b", 0},
                      Html {"<ul><li>x</li><li>y</li></ul>", "x y", 0},
                      Html {"<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table>", "1 2 3", 0},
                      Html {"  <div><br></div>  ", "", 0},
                      Html {"keep  two  spaces", "keep  two  spaces", 0},
                      Html {"<span style=\"a>b\">x</span>", "x", 0},
                      Html {"a<!-- <br> -->b", "ab", 0},
                      Html {"1 < 2 and x<y", "1 < 2 and x<y", 0}));

INSTANTIATE_TEST_SUITE_P(
    Entities, HtmlText,
    ::testing::Values(Html {"&amp; &lt;b&gt; &quot;q&quot; &apos;", "& <b> \"q\" '", 0},
                      Html {"a&nbsp;b&nbsp;&nbsp;c", "a b  c", 0},
                      Html {"&#233;&#xE9;&#X20AC;&#128512;", "\xC3\xA9\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 0},
                      Html {"&#160;x&#xa0;", "x", 0},
                      Html {"&unknown; &#0; &#xD800; &#x110000; & alone &amp", "&unknown; &#0; &#xD800; &#x110000; & alone &amp", 0}));

INSTANTIATE_TEST_SUITE_P(
    Media, HtmlText,
    ::testing::Values(Html {"dog [sound:dog.mp3]", "dog", 1},
                      Html {"[sound:a.mp3][sound:b.mp3]dog", "dog", 2},
                      Html {"big <img src=\"dog.jpg\"> dog", "big dog", 1},
                      Html {"a<img src='x.png'/>b", "ab", 1},
                      Html {"cat<br><img src=c.jpg>  [sound:c.mp3] purr", "cat purr", 2},
                      Html {"[sound:never closed", "[sound:never closed", 0}));
