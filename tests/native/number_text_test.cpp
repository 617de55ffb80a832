// Number text: formatting, parsing, masks, and the round trip the number editor relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "store/number_text.h"
#include "wide_text.h"

namespace vorlane {
namespace {

// The call painting and the editor make: width 10, base 10, separators, no padding, NUL.
std::string Shown(uint32_t value) {
    char text[kNumberTextSize];
    uint32_t length = FormatNumber(value, text, 10, 10, 1, 0, 1);
    EXPECT_EQ(length, std::strlen(text));
    return text;
}

std::string Format(uint32_t value, uint32_t width, uint32_t base, uint32_t separators,
                   uint32_t zeroPad) {
    char text[kNumberTextSize];
    FormatNumber(value, text, width, base, separators, zeroPad, 1);
    return text;
}

int32_t Parse(std::string text, uint32_t base = 10) {
    int32_t result = 12345;
    int32_t returned = ParseNumber(text.data(), &result, base);
    EXPECT_EQ(returned, result);
    return result;
}

std::string Masked(std::string text, const char* mask) {
    text.resize(kMaxMaskedLength + 1);
    ApplyMask(text.data(), mask);
    return text.c_str();
}

TEST(FormatNumber, ShownCellsGroupThousandsAndShowZeroEmpty) {
    EXPECT_EQ(Shown(0), "");
    EXPECT_EQ(Shown(7), "7");
    EXPECT_EQ(Shown(999), "999");
    EXPECT_EQ(Shown(1000), "1,000");
    EXPECT_EQ(Shown(1234567), "1,234,567");
    EXPECT_EQ(Shown(4294967295u), "4,294,967,295");
    EXPECT_EQ(Shown(static_cast<uint32_t>(-5)), "4,294,967,291") << "values are unsigned";
}

TEST(FormatNumber, PaddingIsNotGroupedAndNeverCuts) {
    EXPECT_EQ(Format(1234, 8, 10, 1, 1), "0001,234");
    EXPECT_EQ(Format(42, 6, 10, 0, 1), "000042");
    EXPECT_EQ(Format(0, 4, 10, 0, 1), "0000");
    EXPECT_EQ(Format(123456, 3, 10, 0, 1), "123456");
    EXPECT_EQ(Format(42, 6, 10, 0, 2), "42") << "zero-pad counts only when exactly 1";
    EXPECT_EQ(Format(1000, 0, 10, 2, 0), "1000") << "separators count only when exactly 1";
    EXPECT_EQ(Format(1, 1000, 10, 0, 1).size(), kMaxNumberWidth) << "padding is bounded";
}

TEST(FormatNumber, OtherBasesUseCapitalsAndNoSeparators) {
    EXPECT_EQ(Format(255, 0, 16, 1, 0), "FF");
    EXPECT_EQ(Format(5, 0, 2, 0, 0), "101");
    EXPECT_EQ(Format(35, 0, 36, 0, 0), "Z");
    EXPECT_EQ(Format(0xFFFFFFFFu, 0, 2, 1, 0), std::string(32, '1'));
    EXPECT_EQ(Format(77, 0, 0, 0, 0), "") << "base 0 gives no digits";
    EXPECT_EQ(Format(77, 3, 1, 0, 1), "000") << "base 1 gives only the padding";
    EXPECT_EQ(Format(77, 0, 37, 0, 0), "");
}

TEST(FormatNumber, TerminateFlagAndNullBuffer) {
    char text[8];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(FormatNumber(12, text, 0, 10, 1, 0, 0), 2u);
    EXPECT_EQ(text[2], '#') << "no NUL without the terminate flag";
    EXPECT_EQ(FormatNumber(12, text, 0, 10, 1, 0, 7), 2u);
    EXPECT_EQ(text[2], '\0') << "any non-zero terminate flag writes the NUL";
    EXPECT_EQ(FormatNumber(12, nullptr, 10, 10, 1, 1, 1), 0u);
}

TEST(ParseNumber, DecimalTextsIncludingOddCharacters) {
    EXPECT_EQ(Parse("123"), 123);
    EXPECT_EQ(Parse("-45"), -45);
    EXPECT_EQ(Parse("0012"), 12);
    EXPECT_EQ(Parse(""), 0);
    EXPECT_EQ(Parse("-"), 0);
    EXPECT_EQ(Parse("12-3"), 1493) << "a later '-' counts as the digit 29";
    EXPECT_EQ(Parse("4294967297"), 1) << "wraps at 32 bits";
    EXPECT_EQ(Parse("2147483648"), INT32_MIN);
}

TEST(ParseNumber, HexInEitherCaseAndBytesAboveSeventyF) {
    EXPECT_EQ(Parse("FF", 16), 255);
    EXPECT_EQ(Parse("ff", 16), 255);
    // 0xFF - 0x57 = 0xA8 = 168: bytes are read unsigned.
    EXPECT_EQ(Parse("\xFF", 10), 168);
    EXPECT_EQ(Parse("`"), 41) << "0x60 is read as a capital";
    EXPECT_EQ(Parse("@"), 112) << "0x40 is read as a digit";
}

TEST(ParseNumber, OverwritesItsBufferAndToleratesNulls) {
    char text[] = "-19";
    int32_t result = 0;
    ParseNumber(text, &result, 10);
    EXPECT_EQ(result, -19);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(text[1], 1);
    EXPECT_EQ(text[2], 9);
    result = 5;
    EXPECT_EQ(ParseNumber(nullptr, &result, 10), 0);
    EXPECT_EQ(result, 0);
    char kept[] = "77";
    EXPECT_EQ(ParseNumber(kept, nullptr, 10), 0);
    EXPECT_STREQ(kept, "77");
}

TEST(ApplyMask, PhoneMasksAndTheirRightToLeftRules) {
    EXPECT_EQ(Masked("5551234", "###-####"), "555-1234");
    EXPECT_EQ(Masked("5,551,234", "###-####"), "551-,234");
    EXPECT_EQ(Masked("1234567", "(###) ###-####"), "123-4567");
    EXPECT_EQ(Masked("42", "(###)"), "42)");
    EXPECT_EQ(Masked("1234", "##"), "34");
    EXPECT_EQ(Masked("12", "##-##"), "12");
    EXPECT_EQ(Masked("123", "##-##"), "1-23");
    EXPECT_EQ(Masked("7", "###%"), "7%");
    EXPECT_EQ(Masked("-12", "#,###"), "-12");
    EXPECT_EQ(Masked("-12", "#.#"), "1.2") << "a mask used up before the '-' drops it";
    EXPECT_EQ(Masked("-5", "##-#"), "-5") << "the '-' ends the masking";
}

TEST(ApplyMask, EmptyInputsAndBounds) {
    EXPECT_EQ(Masked("", "###"), "");
    EXPECT_EQ(Masked("123", ""), "");
    EXPECT_EQ(Masked("123", nullptr), "123") << "no mask leaves the text";
    std::string longMask = "#" + std::string(400, '.') + "#";
    std::string result = Masked("12", longMask.c_str());
    EXPECT_EQ(result.size(), kMaxMaskedLength);
    EXPECT_EQ(result.back(), '2');
    EXPECT_EQ(ApplyMask(nullptr, "#"), 0u);
}

TEST(NumberRoundTrip, FormattedTextStrippedOfSeparatorsParsesBack) {
    std::mt19937 random(20240611);
    std::vector<uint32_t> values = {0,    1,     9,           10,          999,
                                    1000, 65535, 2147483647u, 2147483648u, 4294967295u};
    for (int i = 0; i < 2000; ++i) {
        values.push_back(random() >> (random() % 32));
    }
    for (uint32_t value : values) {
        char text[kNumberTextSize];
        FormatNumber(value, text, 10, 10, 1, 0, 1);
        std::string digits;
        for (const char* c = text; *c != '\0'; ++c) {
            if (*c != ',') {
                digits += *c;
            }
        }
        EXPECT_EQ(Parse(digits), static_cast<int32_t>(value)) << text;
        for (uint32_t base : {2u, 7u, 16u, 36u}) {
            char plain[kNumberTextSize];
            FormatNumber(value, plain, 12, base, 1, 1, 1);
            int32_t parsed = 0;
            ParseNumber(plain, &parsed, base);
            EXPECT_EQ(parsed, static_cast<int32_t>(value)) << "base " << base;
        }
    }
}

TEST(WideNumberText, UnitsGiveTheResultsOfTheBytesOfTheirValues) {
    using widetext::Widen;
    const struct {
        uint32_t value, width, base, separators, zeroPad;
    } formats[] = {{0, 10, 10, 1, 0},   {1234567, 10, 10, 1, 0}, {4294967295u, 10, 10, 1, 0},
                   {1234, 8, 10, 1, 1}, {255, 0, 16, 1, 0},      {0xFFFFFFFFu, 0, 2, 1, 0},
                   {77, 3, 1, 0, 1},    {1, 1000, 10, 0, 1}};
    for (const auto& f : formats) {
        char bytes[kNumberTextSize];
        char16_t units[kNumberTextSize];
        const uint32_t length =
            FormatNumber(f.value, bytes, f.width, f.base, f.separators, f.zeroPad, 1);
        EXPECT_EQ(FormatNumber(f.value, units, f.width, f.base, f.separators, f.zeroPad, 1),
                  length);
        EXPECT_EQ(std::u16string(units), Widen(bytes)) << f.value << " in base " << f.base;
    }
    for (const char* typed :
         {"123", "-45", "", "-", "12-3", "4294967297", "FF", "ff", "\xFF", "`", "@"}) {
        for (uint32_t base : {10u, 16u}) {
            std::string bytes = typed;
            std::u16string units = Widen(typed);
            int32_t fromBytes = 0;
            int32_t fromUnits = 0;
            EXPECT_EQ(ParseNumber(units.data(), &fromUnits, base),
                      ParseNumber(bytes.data(), &fromBytes, base));
            EXPECT_EQ(fromUnits, fromBytes) << typed;
            EXPECT_EQ(units, Widen(bytes)) << "the digit values left behind";
        }
    }
    const std::string longMask = "#" + std::string(400, '.') + "#";
    const std::pair<const char*, const char*> masks[] = {{"5551234", "###-####"},
                                                         {"5,551,234", "###-####"},
                                                         {"1234567", "(###) ###-####"},
                                                         {"-12", "#,###"},
                                                         {"-12", "#.#"},
                                                         {"-5", "##-#"},
                                                         {"123", ""},
                                                         {"12", longMask.c_str()}};
    for (const auto& [text, mask] : masks) {
        std::string bytes = text;
        bytes.resize(kMaxMaskedLength + 1);
        std::u16string units = Widen(text);
        units.resize(kMaxMaskedLength + 1);
        const std::u16string wideMask = Widen(mask);
        EXPECT_EQ(ApplyMask(units.data(), wideMask.c_str()), ApplyMask(bytes.data(), mask));
        EXPECT_EQ(std::u16string(units.c_str()), Widen(bytes.c_str())) << text << " in " << mask;
    }
}

TEST(WideNumberText, MasksBeyondASCIIAndTheirBoundKeepPairsWhole) {
    const std::u16string dots(252, u'.');
    const struct {
        std::u16string text;
        std::u16string mask;
        std::u16string masked;
    } cases[] = {
        {u"5551234", u"###\u2013####", u"555\u20131234"},
        {u"1042", u"\U0001F4DE ###", u"\U0001F4DE 042"},
        // The bound falls between the pair's halves: the low half, built first, goes.
        {u"12", u"#\U0001F600." + dots + u"#", u"." + dots + u"2"},
        // The pair is the last to fit: it stays whole.
        {u"12", u"#\U0001F600" + dots + u"#", u"\U0001F600" + dots + u"2"},
    };
    for (const auto& c : cases) {
        std::u16string text = c.text;
        text.resize(kMaxMaskedLength + 1);
        EXPECT_EQ(ApplyMask(text.data(), c.mask.c_str()), c.masked.size());
        EXPECT_EQ(std::u16string(text.c_str()), c.masked) << c.masked.size();
    }
    char16_t beyondBytes[] = u"\u0100";
    int32_t value = 0;
    EXPECT_EQ(ParseNumber(beyondBytes, &value, 10), 0x100 - 0x57);
    EXPECT_EQ(beyondBytes[0], 0x100 - 0x57);
}

}  // namespace
}  // namespace vorlane
