#pragma once

// The primitive fields and object records of the database file. Reading past
// the end, or any malformed field, answers 0 (or an empty text) and sets a
// sticky failure flag that the record readers check; nothing here throws.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class cArchiveIn
{
public:
    explicit cArchiveIn(std::string_view data)
        : m_data(data)
    {
    }

    std::uint8_t Byte();
    std::uint16_t Word();
    std::int32_t Int();
    std::uint32_t Dword();
    double Double();
    // A text as UTF-8: code page 1252 bytes or the 16-bit form.
    std::string Text();
    // Skips a text without converting it.
    void SkipText() { (void)Text(); }

    bool Failed() const { return m_bFailed; }
    void Fail() { m_bFailed = true; }
    std::size_t Remaining() const { return m_bFailed ? 0 : m_data.size() - m_pos; }
    std::size_t Size() const { return m_data.size(); }

    // False (and failed) when `count` items of at least `minBytes` each cannot
    // fit into what is left of the file.
    bool CheckCount(std::int32_t count, std::size_t minBytes);

    // The header of the next object record: the class name of a new object.
    // A null pointer, a reference to an object already read (an item cannot
    // sit in two places), an unknown class number, a wrong schema or a name
    // longer than 63 characters fail the archive and answer an empty name.
    std::string_view ReadObjectHeader();

    // The version of the file being read; fields newer than it are absent.
    bool AtLeast(double version) const { return m_fVersion >= version - 1e-6; }
    double m_fVersion = 2.6;

    // Index slots that indexed containers may still grow by while reading,
    // so that large index numbers cannot make the tables grow without bound.
    std::size_t m_nIndexBudget = 0;

private:
    bool Take(void* out, std::size_t size);
    std::size_t TextLength(bool allowWide, bool* wide);

    std::string_view m_data;
    std::size_t m_pos = 0;
    bool m_bFailed = false;
    // Entry 0 is null; every class and every object takes the next number.
    // Class entries hold the class name, object entries an empty view.
    std::vector<std::string_view> m_entries = {std::string_view()};
    std::vector<bool> m_isClass = {false};
};

class cArchiveOut
{
public:
    void Byte(std::uint8_t value) { m_data.push_back(static_cast<char>(value)); }
    void Word(std::uint16_t value);
    void Int(std::int32_t value) { Dword(static_cast<std::uint32_t>(value)); }
    void Dword(std::uint32_t value);
    void Double(double value);
    // A UTF-8 text: as code page 1252 when every character has a byte there,
    // otherwise in the 16-bit form, so that no character is ever replaced.
    void Text(std::string_view utf8);

    // The header of a new object of the class: the class record the first
    // time, a class reference afterwards.
    void WriteObjectHeader(std::string_view className);

    const std::string& Data() const { return m_data; }

private:
    void Length(std::size_t n);

    std::string m_data;
    std::uint32_t m_nCount = 0; // classes and objects numbered so far
    std::unordered_map<std::string, std::uint32_t> m_classes;
};
