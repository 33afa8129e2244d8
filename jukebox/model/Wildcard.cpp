#include "jukebox/model/Wildcard.h"

#include <bitset>
#include <cstddef>
#include <vector>

namespace brambletune {
namespace {

// One compiled pattern element that consumes exactly one character, or a star.
struct Token {
    enum Kind { kStar, kAny, kDigit, kSet } kind = kAny;
    std::bitset<256> set;  // for kSet: the characters matched (negation applied)
};

std::vector<Token> Compile(std::string_view pattern) {
    std::vector<Token> tokens;
    tokens.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        Token t;
        if (c == '*') {
            if (!tokens.empty() && tokens.back().kind == Token::kStar) continue;
            t.kind = Token::kStar;
        } else if (c == '?') {
            t.kind = Token::kAny;
        } else if (c == '#') {
            t.kind = Token::kDigit;
        } else if (c == '[' && pattern.find(']', i + 1) != std::string_view::npos) {
            const std::size_t close = pattern.find(']', i + 1);
            std::string_view list = pattern.substr(i + 1, close - i - 1);
            i = close;
            if (list.empty()) continue;  // "[]" matches the empty string
            bool negate = false;
            if (list.front() == '!') {
                negate = true;
                list.remove_prefix(1);
            }
            t.kind = Token::kSet;
            for (std::size_t k = 0; k < list.size(); ++k) {
                const auto lo = static_cast<unsigned char>(list[k]);
                if (k + 2 < list.size() && list[k + 1] == '-') {
                    const auto hi = static_cast<unsigned char>(list[k + 2]);
                    for (unsigned v = lo; v <= hi; ++v) t.set.set(v);
                    k += 2;
                } else {
                    t.set.set(lo);
                }
            }
            if (negate) t.set.flip();
        } else {
            t.kind = Token::kSet;
            t.set.set(static_cast<unsigned char>(c));
        }
        tokens.push_back(t);
    }
    return tokens;
}

bool MatchesOne(const Token& t, unsigned char c) {
    switch (t.kind) {
    case Token::kAny: return true;
    case Token::kDigit: return c >= '0' && c <= '9';
    case Token::kSet: return t.set.test(c);
    case Token::kStar: break;
    }
    return false;
}

}  // namespace

bool WildcardMatch(std::string_view text, std::string_view pattern) {
    const std::vector<Token> tokens = Compile(pattern);
    // Greedy matching with a single backtrack point at the last star: correct
    // because every non-star token consumes exactly one character.
    std::size_t ti = 0, pi = 0;
    std::size_t starPi = std::string_view::npos, starTi = 0;
    while (ti < text.size()) {
        if (pi < tokens.size() && tokens[pi].kind == Token::kStar) {
            starPi = pi++;
            starTi = ti;
        } else if (pi < tokens.size() &&
                   MatchesOne(tokens[pi], static_cast<unsigned char>(text[ti]))) {
            ++pi;
            ++ti;
        } else if (starPi != std::string_view::npos) {
            pi = starPi + 1;
            ti = ++starTi;
        } else {
            return false;
        }
    }
    while (pi < tokens.size() && tokens[pi].kind == Token::kStar) ++pi;
    return pi == tokens.size();
}

}  // namespace brambletune
