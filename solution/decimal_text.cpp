#include "solution/decimal_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace ovrelan {

namespace {

__extension__ using u128 = unsigned __int128;

constexpr std::array<std::uint64_t, 20> powers_of_ten_64 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        p[k] = p[k - 1] * 10;
    }
    return p;
}();

// The four characters of every v < 10000, the first in the lowest byte.
constexpr std::array<std::uint32_t, 10000> digit_quads = [] {
    std::array<std::uint32_t, 10000> q{};
    for (std::uint32_t v = 0; v < q.size(); ++v) {
        q[v] = (0x30 + v / 1000) | ((0x30 + v / 100 % 10) << 8) | ((0x30 + v / 10 % 10) << 16) |
               ((0x30 + v % 10) << 24);
    }
    return q;
}();

// The two characters of v < 100.
void put_pair(char* at, std::uint32_t v) {
    at[0] = static_cast<char>(digit_quads[v] >> 16);
    at[1] = static_cast<char>(digit_quads[v] >> 24);
}

// The eight digits of v < 1e8 as the characters of a word, the first digit in the lowest byte.
[[gnu::always_inline]] inline std::uint64_t eight_digits(std::uint32_t v) {
    const std::uint32_t high = v / 10000;
    return digit_quads[high] | (std::uint64_t{digit_quads[v - high * 10000]} << 32);
}

// Stores a word of characters, its lowest byte first.
void store_word(char* at, std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &word, sizeof word);
    } else {
        for (int i = 0; i < 8; ++i) {
            at[i] = static_cast<char>(word >> (8 * i));
        }
    }
}

// A double of the fast range is m · 2^-s with m its 53 bits (the hidden one set): binades from
// 2^-24 (about 6e-8) up to 2^52, biased exponents 999 ... 1074, s = 1075 - the biased one.
constexpr int lowest_binade = 999;
constexpr int highest_binade = 1074;

// For one binade: v · 10^k · 2^64 = m · factor exactly, with 10^k bringing v to 17 digits
// before the point. The binade spans at most two decades: 'factor' and 'k' for the lower one,
// 'factor_up' (a tenth of it) for the mantissas from 'threshold' on (2^53 when there are none).
struct Binade {
    u128 factor;
    u128 factor_up;
    std::uint64_t threshold;
    int k;
};

constexpr u128 power(u128 base, int n) {
    u128 p = 1;
    for (int i = 0; i < n; ++i) {
        p *= base;
    }
    return p;
}

// 10^k · 2^(64 - s) = 5^k · 2^(k + 64 - s), a whole number throughout the range (k + 62 >= s
// even keeps a quarter of it whole, the half gap below a power of two).
constexpr u128 fixed_point_factor(int k, int s) {
    const int twos = k + 64 - s;
    if (k < 0 || twos < 2 || twos > 127) {
        throw "the fast range's factor is not a whole number";
    }
    const u128 factor = power(5, k) << twos;
    // v · 10^k < 10^17, so m · factor < 2^121 with m >= 2^52: the factor is below 2^69.
    if (factor >> 69 != 0) {
        throw "the fast range's factor does not fit";
    }
    return factor;
}

constexpr Binade binade_of(int biased) {
    const int s = 1075 - biased;
    const int p = 52 - s; // the binade is [2^p, 2^(p+1))
    // d: the decade of 2^p, the largest d with 10^d <= 2^p.
    int d = 0;
    if (p >= 0) {
        while (power(10, d + 1) <= power(2, p)) {
            ++d;
        }
    } else {
        while (power(10, -d) < power(2, -p)) {
            --d;
        }
    }
    // The least m with m · 2^-s >= 10^(d + 1).
    u128 threshold = 0;
    if (d + 1 >= 0) {
        threshold = power(10, d + 1) << s;
    } else {
        const u128 divisor = power(10, -(d + 1));
        threshold = ((u128{1} << s) + divisor - 1) / divisor;
    }
    const u128 none = u128{1} << 53;
    const int k = 16 - d;
    // The ends of the interval that reads back as v are never whole units when s + 1 > k: see
    // shortest_digits.
    if (s + 1 <= k) {
        throw "the ends of the interval could be whole units";
    }
    return {fixed_point_factor(k, s), fixed_point_factor(k - 1, s),
            static_cast<std::uint64_t>(threshold < none ? threshold : none), k};
}

constexpr std::array<Binade, highest_binade - lowest_binade + 1> binades = [] {
    std::array<Binade, highest_binade - lowest_binade + 1> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = binade_of(lowest_binade + static_cast<int>(i));
    }
    return table;
}();

// v · 10^k = whole + fraction / 2^64 exactly, whole of 17 digits; 'factor' is the gap from v to
// the next double up, scaled the same way (times 10^k · 2^64).
struct Scaled {
    std::uint64_t whole;
    std::uint64_t fraction;
    u128 factor;
    int k;
};

// The magnitude of v scaled to 17 digits before the point; false outside the fast range.
bool scale_to_17_digits(std::uint64_t bits, Scaled& out) {
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    const auto index = static_cast<unsigned>(biased - lowest_binade);
    if (index >= binades.size()) {
        return false;
    }
    const Binade& binade = binades[index];
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const bool up = m >= binade.threshold;
    const u128 factor = up ? binade.factor_up : binade.factor;
    // factor < 2^69: its high word times m fits in 64 bits.
    const u128 product = u128{m} * static_cast<std::uint64_t>(factor) +
                         (u128{m * static_cast<std::uint64_t>(factor >> 64)} << 64);
    out = {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product), factor,
           binade.k - (up ? 1 : 0)};
    return true;
}

// A 17-digit integer (d in [1e16, 1e17]) times 10^exponent.
struct Decimal {
    std::uint64_t digits;
    int exponent;
};

Decimal normalised(std::uint64_t digits, int exponent) {
    if (digits == powers_of_ten_64[17]) {
        return {powers_of_ten_64[16], exponent + 1};
    }
    return {digits, exponent};
}

// Whether v rounds up to whole + 1: past the half, or on it with an odd last digit.
bool rounds_up(const Scaled& v) {
    constexpr std::uint64_t half = std::uint64_t{1} << 63;
    return v.fraction >= half + 1 - (v.whole & 1);
}

// v rounded to 17 significant digits, ties to even.
Decimal round_to_17_digits(const Scaled& v) {
    return normalised(v.whole + (rounds_up(v) ? 1 : 0), -v.k);
}

// Seventeen digits as text: the first, then sixteen in two words, and how many of them count
// (the rest are trailing zeros).
struct Digits {
    char first;
    std::uint64_t middle; // digits 2 ... 9
    std::uint64_t last;   // digits 10 ... 17
    int n;
};

[[gnu::always_inline]] inline Digits digits_of(std::uint64_t d) { // d in [1e16, 1e17)
    Digits out{};
    const std::uint64_t high = d / 100000000;
    const auto low = static_cast<std::uint32_t>(d - high * 100000000);
    const auto first = static_cast<std::uint32_t>(high / 100000000);
    out.first = static_cast<char>('0' + first);
    out.middle = eight_digits(static_cast<std::uint32_t>(high - std::uint64_t{first} * 100000000));
    out.last = eight_digits(low);
    // A '0' character is 0x30: the trailing zeros are the top bytes that differ from it in nothing.
    constexpr std::uint64_t zeros = 0x3030303030303030ULL;
    const std::uint64_t last_marks = out.last ^ zeros;
    const std::uint64_t middle_marks = out.middle ^ zeros;
    int trailing = 0;
    if (last_marks != 0) {
        trailing = std::countl_zero(last_marks) / 8;
    } else if (middle_marks != 0) {
        trailing = 8 + std::countl_zero(middle_marks) / 8;
    } else {
        trailing = 16;
    }
    out.n = 17 - trailing;
    return out;
}

// The seventeen digits from 'at' on (the trailing zeros too; the caller counts what it keeps).
void put_17(char* at, const Digits& d) {
    at[0] = d.first;
    store_word(at + 1, d.middle);
    store_word(at + 9, d.last);
}

// "d.ddde-05": the digits with the point after the first, then the exponent of at least two
// digits.
[[gnu::always_inline]] inline char* put_scientific(char* at, const Digits& d, int x) {
    at[0] = d.first;
    at[1] = '.';
    store_word(at + 2, d.middle);
    store_word(at + 10, d.last);
    at += d.n > 1 ? d.n + 1 : 1;
    at[0] = 'e';
    at[1] = x < 0 ? '-' : '+';
    const auto magnitude = static_cast<std::uint32_t>(x < 0 ? -x : x);
    if (magnitude < 100) {
        put_pair(at + 2, magnitude);
        return at + 4;
    }
    at[2] = static_cast<char>('0' + magnitude / 100);
    put_pair(at + 3, magnitude % 100);
    return at + 5;
}

// A word of characters with a point put in before character i (0 ... 7) and the characters
// from there on moved up a byte (the last one falls out).
std::uint64_t with_point(std::uint64_t word, int i) {
    const std::uint64_t kept = (std::uint64_t{1} << (8 * i)) - 1;
    return (word & kept) | (std::uint64_t{'.'} << (8 * i)) | ((word & ~kept) << 8);
}

// "123.45", "12300", "0.0012345": the digits placed around the point, x (from -4 to 16) the
// exponent of the first digit.
[[gnu::always_inline]] inline char* put_fixed(char* at, const Digits& d, int x) {
    if (x < 0) {
        std::memcpy(at, "0.000", 5);
        at += 1 - x;
        put_17(at, d);
        return at + d.n;
    }
    if (d.n <= x + 1) {
        put_17(at, d); // the digits and the zeros after them up to the 17th place
        return at + x + 1;
    }
    // The point after digit x + 1: in the word that holds that place, the characters from it on
    // move up a byte and the point goes in the gap; the byte pushed out starts the next word.
    const bool in_middle = x < 8;
    const std::uint64_t moved = with_point(in_middle ? d.middle : d.last, x & 7);
    at[0] = d.first;
    store_word(at + 1, in_middle ? moved : d.middle);
    store_word(at + 9, in_middle ? (d.middle >> 56) | (d.last << 8) : moved);
    at[17] = static_cast<char>(d.last >> 56);
    return at + d.n + 1;
}

// The text of a decimal d · 10^(x - 16) (d of 17 digits) with n significant digits, laid out
// as std::to_chars lays out a shortest text: fixed or scientific, whichever is shorter, fixed
// when they tie.
[[gnu::always_inline]] inline char* put_shortest_layout(char* at, const Digits& digits, int x) {
    const int n = digits.n;
    const int magnitude = x < 0 ? -x : x;
    const int scientific = n + (n > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    const int fixed = x < 0 ? n + 1 - x : (n <= x + 1 ? x + 1 : n + 1);
    return fixed <= scientific ? put_fixed(at, digits, x) : put_scientific(at, digits, x);
}

// The multiple of 'unit' nearest v (ties to even), v = whole + a fraction, 'fraction_left'
// whether that fraction is not zero. For units of 10 and more.
std::uint64_t nearest_multiple(std::uint64_t whole, bool fraction_left, std::uint64_t unit) {
    const std::uint64_t q = whole / unit;
    const std::uint64_t r = whole - q * unit;
    // Up past the half, or on it with a fraction left or an odd multiple below.
    const std::uint64_t past = fraction_left | (q & 1);
    return (q + (2 * r + past > unit ? 1 : 0)) * unit;
}

// The shortest choice the long way: the unit grows tenfold while a multiple of it still lies
// from 'lowest' to 'highest', and of the two multiples around v the nearer one there is taken
// (the other when it is not: below a power of two the ends lie unevenly around v).
std::uint64_t shortest_by_search(const Scaled& v, std::uint64_t lowest, std::uint64_t highest) {
    std::uint64_t unit = 1;
    for (std::uint64_t next = 10; (lowest + next - 1) / next * next <= highest; next *= 10) {
        unit = next;
    }
    const std::uint64_t nearer = unit == 1 ? v.whole + (rounds_up(v) ? 1 : 0)
                                           : nearest_multiple(v.whole, v.fraction != 0, unit);
    const std::uint64_t farther = nearer > v.whole ? nearer - unit : nearer + unit;
    return nearer >= lowest && nearer <= highest ? nearer : farther;
}

// The shortest decimal that reads back as v, as 17 digits with trailing zeros; false when it is
// 10^17 units or more (v just below a power of ten), which the caller leaves to the library.
//
// Every real strictly between v - half the gap below and v + half the gap above reads back as
// v. In units of 2^-64 of the scaled value X = v · 10^k, half a gap is factor / 2 (half of that
// below a power of two). The ends become whole units of the scaled value; the text is the
// multiple of the largest power of ten between them that is nearest v (ties to even).
//
// Half a gap is 0.55 to 11 units, so that power is 10 about as often as 1, and more only now and
// then. With v midway between the ends, some multiple of a unit lies between them exactly when
// the one nearest v does: the nearest ten and unit are both found, and the choice between them
// made, without a branch.
[[gnu::always_inline]] inline bool shortest_digits(const Scaled& v, bool power_of_two,
                                                   std::uint64_t& out) {
    constexpr std::uint64_t limit = powers_of_ten_64[17];
    const u128 x = (u128{v.whole} << 64) | v.fraction;
    const u128 half_gap = v.factor >> 1;
    const u128 half_gap_below = power_of_two ? v.factor >> 2 : half_gap;
    // The ends are never whole units: that would take 2^(s+1) to divide 10^k · (2m ± 1), and
    // a double of this range has more binary places than 10^k has factors of two (s + 1 > k,
    // which binade_of checks for every binade), so whether the ends themselves read back as v
    // never matters.
    const auto highest = static_cast<std::uint64_t>((x + half_gap) >> 64);
    const auto lowest = static_cast<std::uint64_t>((x - half_gap_below) >> 64) + 1;
    if (highest >= limit) {
        return false;
    }
    const std::uint64_t width = highest - lowest;
    const auto inside = [&](std::uint64_t c) { return c - lowest <= width; };
    const bool fraction_left = v.fraction != 0;
    if (power_of_two || inside(nearest_multiple(v.whole, fraction_left, 100))) {
        out = shortest_by_search(v, lowest, highest);
        return true;
    }
    const std::uint64_t units = v.whole + (rounds_up(v) ? 1 : 0); // below 'highest' < 10^17
    const std::uint64_t tens = nearest_multiple(v.whole, fraction_left, 10);
    const std::uint64_t take_tens = std::uint64_t{0} - (inside(tens) ? 1 : 0);
    out = (tens & take_tens) | (units & ~take_tens);
    return true;
}

bool negative(std::uint64_t bits) {
    return (bits >> 63) != 0;
}

bool is_power_of_two(std::uint64_t bits) {
    return (bits & ((std::uint64_t{1} << 52) - 1)) == 0;
}

// The shortest text, inlined into each of the writers below.
[[gnu::always_inline]] inline char* put_shortest(char* at, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    Scaled scaled{};
    std::uint64_t digits = 0;
    if (!scale_to_17_digits(bits, scaled) ||
        !shortest_digits(scaled, is_power_of_two(bits), digits)) {
        return std::to_chars(at, at + decimal_text_room, v).ptr;
    }
    if (negative(bits)) {
        *at++ = '-';
    }
    return put_shortest_layout(at, digits_of(digits), 16 - scaled.k);
}

// Seventeen digits, inlined into each of the writers below.
[[gnu::always_inline]] inline char* put_17_digits(char* at, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    Scaled scaled{};
    if (!scale_to_17_digits(bits, scaled)) {
        return std::to_chars(at, at + decimal_text_room, v, std::chars_format::general, 17).ptr;
    }
    if (negative(bits)) {
        *at++ = '-';
    }
    const Decimal d = round_to_17_digits(scaled);
    const int x = d.exponent + 16;
    const Digits digits = digits_of(d.digits);
    return x < -4 || x >= 17 ? put_scientific(at, digits, x) : put_fixed(at, digits, x);
}

} // namespace

char* write_shortest(char* at, double v) {
    return put_shortest(at, v);
}

char* write_17_digits(char* at, double v) {
    return put_17_digits(at, v);
}

char* write_shortest_each(char* at, char separator, std::span<const double> values) {
    for (const double v : values) {
        *at++ = separator;
        at = put_shortest(at, v);
    }
    return at;
}

char* write_17_digits_each(char* at, char separator, std::span<const double> values) {
    for (const double v : values) {
        *at++ = separator;
        at = put_17_digits(at, v);
    }
    return at;
}

} // namespace ovrelan
