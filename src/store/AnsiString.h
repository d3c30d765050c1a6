#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cstdint>

/**
 * A length-prefixed string of capacity N as stored on disk (String[N]): one length byte and N
 * Windows-1252 character bytes. Bytes after the length are kept as they were read so that a
 * copied record keeps its bytes.
 */
template <int N>
struct AnsiString {
    static constexpr int Capacity = N;
    static constexpr int StoredSize = N + 1;

    std::uint8_t Length = 0;
    std::array<char, N> Chars{};

    /** The text, at most N bytes. */
    QByteArray text() const { return QByteArray(Chars.data(), std::min<int>(Length, N)); }
    /** Replaces the text, cut to N bytes; bytes after the new length keep their old values. */
    void setText(QByteArrayView value)
    {
        const int size = std::min<int>(static_cast<int>(value.size()), N);
        std::copy_n(value.data(), size, Chars.data());
        Length = static_cast<std::uint8_t>(size);
    }
    int length() const { return std::min<int>(Length, N); }
    bool isEmpty() const { return length() == 0; }
    void clear() { Length = 0; }

    /** Loads the stored bytes (N + 1); a length byte above N is clamped to N. */
    void fromStored(const char* bytes)
    {
        Length = static_cast<std::uint8_t>(std::min<int>(static_cast<std::uint8_t>(bytes[0]), N));
        std::copy_n(bytes + 1, N, Chars.data());
    }
    /** Writes the N + 1 stored bytes. */
    void toStored(char* bytes) const
    {
        bytes[0] = static_cast<char>(Length);
        std::copy_n(Chars.data(), N, bytes + 1);
    }

    bool operator==(const AnsiString&) const = default;
};
