#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// An invariant of a fuzz target: a violation aborts like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, ...)                                                                          \
    do {                                                                                                    \
        if (!(condition)) {                                                                                 \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  ", __FILE__, __LINE__, #condition);        \
            std::fprintf(stderr, __VA_ARGS__);                                                              \
            std::fputc('\n', stderr);                                                                       \
            std::abort();                                                                                   \
        }                                                                                                   \
    } while (false)

namespace orvesc::fuzz {

// The model codes identification accepts, written out apart from the code that applies them.
inline bool acceptedModel(int code) { return (code >= 37 && code <= 47) || (code >= 177 && code <= 227); }

// Hands out the fuzz input byte after byte; once it is used up every read gives 0.
class ByteReader
{
public:
    ByteReader(const unsigned char *data, std::size_t size) : m_data(data), m_end(data + size) {}
    bool atEnd() const { return m_data >= m_end; }
    unsigned char next() { return atEnd() ? 0 : *m_data++; }

private:
    const unsigned char *m_data;
    const unsigned char *m_end;
};

} // namespace orvesc::fuzz
