#include "cli/DumpJson.h"

#include "document/CTournelDoc.h"
#include "model/StoredClasses.h"

#include <array>
#include <string>

using json = nlohmann::ordered_json;

namespace {

// Walks a description putting each field into a JSON object by member name.
class cJsonDump
{
public:
    explicit cJsonDump(json& out)
        : m_out(out)
    {
    }

    void Int(int field, const cField& f) { Put(f, field); }
    void Time(TimePoint field, const cField& f) { Put(f, field); }
    void Text(const std::string& field, const cField& f) { Put(f, field); }
    void Byte(std::uint8_t field, const cField& f) { Put(f, field); }
    void Dword(std::uint32_t field, const cField& f) { Put(f, field); }
    template <std::size_t N> void Ints(const std::array<int, N>& fields, const cField& f) { Put(f, fields); }
    template <std::size_t N>
    void IntPairs(const std::array<int, N>& first, const cField& f1, const std::array<int, N>& second,
                  const cField& f2)
    {
        Put(f1, first);
        Put(f2, second);
    }
    void Reserved(const cField&) {}
    void ReservedText(const cField&) {}
    template <class T> void Group(const T& part, const cField& f)
    {
        json object;
        cJsonDump inner(object);
        T::Fields(part, inner);
        Put(f, object);
    }
    void Version() {}
    void CheckVersion() {}

    void Items(const cTournelDb& container, const cField& f, unsigned)
    {
        json items = json::array();
        for (const cDbItem& item : container.AllItems<cDbItem>()) {
            json object;
            WithStoredClass(item, [&]<class T>(const T& stored, std::string_view name) {
                object["class"] = name;
                cJsonDump inner(object);
                T::Fields(stored, inner);
            });
            items.push_back(std::move(object));
        }
        Put(f, std::move(items));
    }

private:
    template <class Value> void Put(const cField& f, Value&& value)
    {
        m_out[std::string(f.name)] = std::forward<Value>(value);
    }

    json& m_out;
};

} // namespace

json DumpDocument(const CTournelDoc& doc)
{
    json out;
    out["version"] = doc.GetFileVersion();
    json settings;
    cJsonDump document(settings);
    cDocumentSettings::Fields(doc.Settings(), document);
    out["document"] = std::move(settings);
    cJsonDump containers(out);
    cDatabase::ContainerFields(doc, containers);
    return out;
}
