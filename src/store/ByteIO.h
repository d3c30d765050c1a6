#pragma once

#include "AnsiString.h"

#include <QByteArray>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <cstring>

/**
 * Reads little-endian fields one after another from a fixed block of bytes. Reading past the end
 * yields zeros instead of touching memory outside the block, so a short block never crashes a reader.
 */
class ByteReader {
public:
    ByteReader(const char* data, std::size_t size) : m_data(data), m_size(size) {}
    explicit ByteReader(const QByteArray& bytes) : m_data(bytes.constData()), m_size(std::size_t(bytes.size())) {}

    std::uint8_t u8() { std::uint8_t v = 0; take(&v, 1); return v; }
    bool boolean() { return u8() != 0; }
    std::int16_t i16() { char b[2] = {}; take(b, 2); return qFromLittleEndian<qint16>(b); }
    std::uint16_t u16() { char b[2] = {}; take(b, 2); return qFromLittleEndian<quint16>(b); }
    std::int32_t i32() { char b[4] = {}; take(b, 4); return qFromLittleEndian<qint32>(b); }
    std::uint32_t u32() { char b[4] = {}; take(b, 4); return qFromLittleEndian<quint32>(b); }
    double f64()
    {
        char b[8] = {};
        take(b, 8);
        const quint64 bits = qFromLittleEndian<quint64>(b);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    template <int N> AnsiString<N> string()
    {
        char b[N + 1] = {};
        take(b, N + 1);
        AnsiString<N> s;
        s.fromStored(b);
        return s;
    }
    template <std::size_t N> std::array<std::uint8_t, N> bytes()
    {
        std::array<std::uint8_t, N> a{};
        take(a.data(), N);
        return a;
    }
    void skip(std::size_t n) { m_pos += n; }
    std::size_t position() const { return m_pos; }

private:
    void take(void* out, std::size_t n)
    {
        if (m_pos < m_size) {
            const std::size_t avail = std::min(n, m_size - m_pos);
            std::memcpy(out, m_data + m_pos, avail);
        }
        m_pos += n;
    }

    const char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

/** Appends little-endian fields to a growing block of bytes. */
class ByteWriter {
public:
    void u8(std::uint8_t v) { m_bytes.append(char(v)); }
    void boolean(bool v) { u8(v ? 1 : 0); }
    void i16(std::int16_t v) { char b[2]; qToLittleEndian<qint16>(v, b); m_bytes.append(b, 2); }
    void u16(std::uint16_t v) { char b[2]; qToLittleEndian<quint16>(v, b); m_bytes.append(b, 2); }
    void i32(std::int32_t v) { char b[4]; qToLittleEndian<qint32>(v, b); m_bytes.append(b, 4); }
    void u32(std::uint32_t v) { char b[4]; qToLittleEndian<quint32>(v, b); m_bytes.append(b, 4); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian<quint64>(bits, b);
        m_bytes.append(b, 8);
    }
    template <int N> void string(const AnsiString<N>& s)
    {
        char b[N + 1];
        s.toStored(b);
        m_bytes.append(b, N + 1);
    }
    template <std::size_t N> void bytes(const std::array<std::uint8_t, N>& a)
    {
        m_bytes.append(reinterpret_cast<const char*>(a.data()), qsizetype(N));
    }
    void raw(const char* data, qsizetype n) { m_bytes.append(data, n); }

    const QByteArray& data() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};
