#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// An invariant of a fuzz target: a violation is reported like a crash, so libFuzzer keeps the
// input that caused it.
#define FUZZ_CHECK(condition, ...)                                                               \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  ", __FILE__, __LINE__,          \
                         #condition);                                                            \
            std::fprintf(stderr, __VA_ARGS__);                                                   \
            std::fputc('\n', stderr);                                                            \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

namespace orvesc::fuzz {

// Hands out the fuzz input byte after byte; once it is used up every read gives 0.
class ByteReader
{
public:
    ByteReader(const unsigned char *data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    unsigned char next() { return atEnd() ? 0 : m_data[m_pos++]; }

private:
    const unsigned char *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace orvesc::fuzz
