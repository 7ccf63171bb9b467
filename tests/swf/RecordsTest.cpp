#include "swf/Records.h"
#include "swf/ColorTransform.h"
#include "swf/HtmlText.h"
#include "swf/Matrix.h"
#include "swf/Utf8.h"
#include "swfwriter/WriterRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

TEST(Records, MatricesAndColourTransformsRoundTripThroughTheWriter) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> scale(-40, 40);
    std::uniform_int_distribution<int32_t> twips(-100000, 100000);
    std::uniform_int_distribution<int> term(-512, 512);
    for (int i = 0; i < 200; ++i) {
        swfw::Transform m{
            scale(rng), i % 3 ? scale(rng) : 0, i % 3 ? scale(rng) : 0, i % 5 ? scale(rng) : 1, twips(rng),
            twips(rng)};
        swfw::ColorTransform c{int16_t(term(rng)), int16_t(term(rng)), int16_t(term(rng)),
                               int16_t(term(rng)), int16_t(term(rng)), int16_t(term(rng)),
                               int16_t(term(rng)), int16_t(term(rng))};
        swfw::BitWriter out;
        swfw::WriteMatrix(out, m);
        swfw::WriteColorTransform(out, c, true);
        swfw::WriteColorTransform(out, c, false);
        swf::ByteReader in(out.Data());
        swf::Matrix read = swf::ReadMatrix(in);
        EXPECT_NEAR(read.A, m.A, 1e-4);
        EXPECT_NEAR(read.B, m.B, 1e-4);
        EXPECT_NEAR(read.C, m.C, 1e-4);
        EXPECT_NEAR(read.D, m.D, 1e-4);
        EXPECT_EQ(read.Tx, m.Tx);
        EXPECT_EQ(read.Ty, m.Ty);
        swf::ColorTransform withAlpha = swf::ReadColorTransform(in, true);
        EXPECT_FLOAT_EQ(withAlpha.MulG, c.MulG / 256.0f);
        EXPECT_FLOAT_EQ(withAlpha.AddA, c.AddA);
        swf::ColorTransform without = swf::ReadColorTransform(in, false);
        EXPECT_FLOAT_EQ(without.MulA, 1.0f);
        EXPECT_FLOAT_EQ(without.AddB, c.AddB);
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(Records, MatrixProductAndInverseAgreeWithPointMapping) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> v(-5, 5);
    for (int i = 0; i < 100; ++i) {
        swf::Matrix a{v(rng), v(rng), v(rng), v(rng), v(rng), v(rng)},
            b{v(rng), v(rng), v(rng), v(rng), v(rng), v(rng)};
        swf::Point p{v(rng), v(rng)};
        swf::Point twice = a.Apply(b.Apply(p)), once = a.Then(b).Apply(p);
        EXPECT_NEAR(twice.X, once.X, 1e-9);
        EXPECT_NEAR(twice.Y, once.Y, 1e-9);
        swf::Matrix inverse;
        if (a.Invert(inverse)) {
            swf::Point back = inverse.Apply(a.Apply(p));
            EXPECT_NEAR(back.X, p.X, 1e-6);
            EXPECT_NEAR(back.Y, p.Y, 1e-6);
        }
    }
    swf::Matrix flat{1, 2, 2, 4, 0, 0}, unused;
    EXPECT_FALSE(flat.Invert(unused));
}

TEST(ColorTransforms, ClampPerChannelAndConcatenate) {
    swf::ColorTransform brighten{2, 1, 0.5f, 1, 10, -300, 0, 0};
    EXPECT_EQ(brighten.Apply({200, 100, 100, 255}), (swf::Rgba{255, 0, 50, 255}));
    swf::ColorTransform half{0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 0};
    swf::Rgba c{100, 120, 140, 200};
    // Within range, applying one then the other equals their product.
    swf::ColorTransform shift{1, 1, 1, 1, 20, 20, 20, 0};
    EXPECT_EQ(half.Then(shift).Apply(c), half.Apply(shift.Apply(c)));
    EXPECT_TRUE(swf::ColorTransform{}.IsIdentity());
    EXPECT_FALSE(half.IsIdentity());
}

TEST(ColorTransforms, PremultiplyRoundTripsWithinRounding) {
    for (int a = 0; a < 256; a += 5)
        for (int v = 0; v < 256; v += 3) {
            swf::Rgba c{uint8_t(v), uint8_t(255 - v), uint8_t(v / 2), uint8_t(a)};
            uint32_t p = swf::Premultiply(c);
            EXPECT_LE(p >> 16 & 0xff, p >> 24);
            swf::Rgba back = swf::Unpremultiply(p);
            if (a == 0)
                continue;
            EXPECT_LE(std::abs(int(back.R) - v), 255 / a + 1) << a << " " << v;
            EXPECT_EQ(back.A, a);
        }
}

TEST(Text, Utf8WithLatin1Fallback) {
    EXPECT_EQ(swf::DecodeUtf8("abc"), U"abc");
    EXPECT_EQ(swf::DecodeUtf8("\xc3\xa9t\xc3\xa9"), U"\u00e9t\u00e9");
    EXPECT_EQ(swf::DecodeUtf8("\xe2\x82\xac"), U"\u20ac");
    EXPECT_EQ(swf::DecodeUtf8("\xf0\x9f\x98\x80"), U"\U0001F600");
    EXPECT_EQ(swf::DecodeUtf8("caf\xe9"), U"caf\u00e9");     // ANSI text of older movies
    EXPECT_EQ(swf::DecodeUtf8("\xe2\x82"), U"\u00e2\u0082"); // cut short
}

TEST(Text, HtmlRunsCarryStyles) {
    auto runs = swf::ParseHtmlText(U"<p align=\"left\"><font face=\"Serif\" size=\"20\" "
                                   U"color=\"#FF8000\">A<b>B</b></font>&lt;&amp;&#65;</p>x<br>y");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].Text, U"A");
    EXPECT_EQ(runs[0].Face, "Serif");
    EXPECT_EQ(runs[0].Size, 20);
    EXPECT_EQ(runs[0].Color, (swf::Rgba{255, 128, 0, 255}));
    EXPECT_EQ(runs[0].Alignment, swf::Align::Left);
    EXPECT_EQ(runs[1].Text, U"B");
    EXPECT_TRUE(runs[1].Bold);
    EXPECT_EQ(runs[1].Color, (swf::Rgba{255, 128, 0, 255}));
    EXPECT_EQ(runs[2].Text, U"<&A\n"); // the paragraph ends with a line break
    EXPECT_EQ(runs[2].Alignment, swf::Align::Left);
    EXPECT_EQ(runs[3].Text, U"x\ny");
    EXPECT_FALSE(runs[3].Bold);
    EXPECT_FALSE(runs[3].Color.has_value());
    EXPECT_FALSE(runs[3].Alignment.has_value());
}

TEST(Text, BrokenHtmlStillGivesText) {
    auto runs = swf::ParseHtmlText(U"a</font></b><font color='#00ff00'>b&bogus;c<unclosed");
    std::u32string all;
    for (const auto& r : runs)
        all += r.Text;
    EXPECT_EQ(all, U"ab&bogus;c");
}

} // namespace
