#include "document/DatabaseFile.h"

#include "model/ItemEdit.h"
#include "model/StoredClasses.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cUserPrompt.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr double kCurrentVersion = cDatabase::kVersion;

// The smallest object record: a class reference and the cDbItem part of the oldest versions.
constexpr std::size_t kMinItemBytes = 2 + 8;

std::int32_t ToInt32(TimePoint t)
{
    return static_cast<std::int32_t>(t);
}

// Walks a description reading each field from the archive. Fields a file of
// its version does not hold keep their defaults (or take their fallback);
// values are brought into their ranges. Once the archive has failed, or the
// version was refused, nothing more is read.
class cFieldReader
{
public:
    cFieldReader(cArchiveIn& ar, cUserPrompt* prompt)
        : m_ar(ar)
        , m_pPrompt(prompt)
    {
    }

    eReadStatus Status() const
    {
        if (m_status != eReadStatus::kOk) {
            return m_status;
        }
        return m_ar.Failed() ? eReadStatus::kDamaged : eReadStatus::kOk;
    }
    double FileVersion() const { return m_fVersion; }

    void Int(int& field, const cField& f)
    {
        if (!Stored(f)) {
            if (f.fallback) {
                field = *f.fallback;
            }
            return;
        }
        std::int64_t value = m_ar.Int();
        if (f.daysBefore > 0.0 && !m_ar.AtLeast(f.daysBefore)) {
            value = std::clamp<std::int64_t>(value * 86400, INT32_MIN, INT32_MAX);
        }
        field = static_cast<int>(std::clamp<std::int64_t>(value, f.low, f.high));
    }
    void Time(TimePoint& field, const cField& f)
    {
        if (Stored(f)) {
            field = m_ar.Int();
        }
    }
    void Text(std::string& field, const cField& f)
    {
        if (Stored(f)) {
            field = m_ar.Text();
        }
    }
    void Byte(std::uint8_t& field, const cField& f)
    {
        if (Stored(f)) {
            field = m_ar.Byte();
        }
    }
    void Dword(std::uint32_t& field, const cField& f)
    {
        if (Stored(f)) {
            field = m_ar.Dword();
        }
    }
    template <std::size_t N> void Ints(std::array<int, N>& fields, const cField& f)
    {
        for (int& field : fields) {
            Int(field, f);
        }
    }
    template <std::size_t N>
    void IntPairs(std::array<int, N>& first, const cField& f1, std::array<int, N>& second, const cField& f2)
    {
        for (std::size_t i = 0; i < N; ++i) {
            Int(first[i], f1);
            Int(second[i], f2);
        }
    }
    void Reserved(const cField& f)
    {
        if (Stored(f)) {
            (void)m_ar.Int();
        }
    }
    void ReservedText(const cField& f)
    {
        if (Stored(f)) {
            m_ar.SkipText();
        }
    }
    template <class T> void Group(T& part, const cField& f)
    {
        if (!Stored(f)) {
            return;
        }
        T::Fields(part, *this);
        if constexpr (requires { part.Normalise(); }) {
            part.Normalise();
        }
    }

    void Version()
    {
        if (m_bStopped) {
            return;
        }
        m_fVersion = m_ar.Double();
        if (m_ar.Failed() || !std::isfinite(m_fVersion) || m_fVersion < 1.0 - 1e-6) {
            Stop(eReadStatus::kDamaged);
            return;
        }
        m_ar.m_fVersion = m_fVersion;
        if (m_pPrompt == nullptr) {
            // Only the version was asked for.
            m_bStopped = true;
        }
    }
    void CheckVersion()
    {
        if (m_bStopped) {
            return;
        }
        if (m_fVersion > kCurrentVersion + 1e-6) {
            m_pPrompt->ShowMessage(IDS_NEWER_VERSION);
            Stop(eReadStatus::kNewerVersion);
        } else if (m_ar.Failed()) {
            Stop(eReadStatus::kDamaged);
        } else if (m_fVersion < kCurrentVersion - 1e-6 && !m_pPrompt->AskYesNo(IDS_CONVERT_OLD_VERSION)) {
            Stop(eReadStatus::kDeclinedVersion);
        }
    }

    void Items(cIndexedDb& container, const cField& f, unsigned allowed)
    {
        if (!Stored(f)) {
            return;
        }
        const std::int32_t count = m_ar.Int();
        if (!m_ar.CheckCount(count, kMinItemBytes)) {
            return;
        }
        for (std::int32_t i = 0; i < count; ++i) {
            std::unique_ptr<cDbItem> item = ReadItem(allowed);
            if (!item) {
                return;
            }
            std::unique_ptr<cIndexedDbItem> indexed(static_cast<cIndexedDbItem*>(item.release()));
            const int index = indexed->m_nIndex;
            // Negative and repeated index numbers make a damaged file.
            if (!container.IsIndexFree(index)) {
                m_ar.Fail();
                return;
            }
            const std::size_t growth = static_cast<std::size_t>(std::max(0, index - container.GetMaxIndex()));
            if (growth > m_ar.m_nIndexBudget) {
                m_ar.Fail();
                return;
            }
            m_ar.m_nIndexBudget -= growth;
            container.AddIndexedItem(std::move(indexed), false, index);
        }
    }
    void Items(cTournelDb& container, const cField& f, unsigned allowed)
    {
        if (!Stored(f)) {
            return;
        }
        const std::int32_t count = m_ar.Int();
        const std::int32_t upToDate = m_ar.Int();
        const std::int32_t relistOnEdit = m_ar.Int();
        if (!m_ar.CheckCount(count, kMinItemBytes)) {
            return;
        }
        container.m_bUpToDate = upToDate;
        container.m_bRelistOnEdit = relistOnEdit;
        for (std::int32_t i = 0; i < count; ++i) {
            std::unique_ptr<cDbItem> item = ReadItem(allowed);
            if (!item) {
                return;
            }
            container.AddItem(std::move(item), false);
        }
    }

private:
    bool Stored(const cField& f) const { return !m_bStopped && !m_ar.Failed() && m_ar.AtLeast(f.since); }

    void Stop(eReadStatus status)
    {
        m_status = status;
        m_bStopped = true;
    }

    // A new item of the class the next object record names, read; null (and
    // the archive failed) for a class the container may not hold.
    std::unique_ptr<cDbItem> ReadItem(unsigned allowed)
    {
        const std::string_view name = m_ar.ReadObjectHeader();
        if (m_ar.Failed()) {
            return nullptr;
        }
        std::unique_ptr<cDbItem> item;
        ForEachStoredClass([&]<class T>(std::type_identity<T>, std::string_view className, unsigned bit) {
            if (className != name || (bit & allowed) == 0) {
                return false;
            }
            auto made = std::make_unique<T>();
            T::Fields(*made, *this);
            item = std::move(made);
            return true;
        });
        if (!item || m_ar.Failed()) {
            m_ar.Fail();
            return nullptr;
        }
        return item;
    }

    cArchiveIn& m_ar;
    cUserPrompt* m_pPrompt; // null: read up to the version only
    double m_fVersion = 0.0;
    bool m_bStopped = false;
    eReadStatus m_status = eReadStatus::kOk;
};

// Walks a description writing each field in the current version.
class cFieldWriter
{
public:
    explicit cFieldWriter(cArchiveOut& ar)
        : m_ar(ar)
    {
    }

    void Int(int field, const cField&) { m_ar.Int(field); }
    void Time(TimePoint field, const cField&) { m_ar.Int(ToInt32(field)); }
    void Text(const std::string& field, const cField&) { m_ar.Text(field); }
    void Byte(std::uint8_t field, const cField&) { m_ar.Byte(field); }
    void Dword(std::uint32_t field, const cField&) { m_ar.Dword(field); }
    template <std::size_t N> void Ints(const std::array<int, N>& fields, const cField&)
    {
        for (const int field : fields) {
            m_ar.Int(field);
        }
    }
    template <std::size_t N>
    void IntPairs(const std::array<int, N>& first, const cField&, const std::array<int, N>& second,
                  const cField&)
    {
        for (std::size_t i = 0; i < N; ++i) {
            m_ar.Int(first[i]);
            m_ar.Int(second[i]);
        }
    }
    void Reserved(const cField&) { m_ar.Int(0); }
    void ReservedText(const cField&) { m_ar.Text(""); }
    template <class T> void Group(const T& part, const cField&)
    {
        if constexpr (requires(T copy) { copy.Normalise(); }) {
            T normalised = part;
            normalised.Normalise();
            T::Fields(std::as_const(normalised), *this);
        } else {
            T::Fields(part, *this);
        }
    }
    void Version() { m_ar.Double(kCurrentVersion); }
    void CheckVersion() {}

    void Items(const cIndexedDb& container, const cField&, unsigned)
    {
        m_ar.Int(container.GetCount());
        WriteItems(container);
    }
    void Items(const cTournelDb& container, const cField&, unsigned)
    {
        m_ar.Int(container.GetCount());
        m_ar.Int(container.m_bUpToDate);
        m_ar.Int(container.m_bRelistOnEdit);
        WriteItems(container);
    }

private:
    void WriteItems(const cTournelDb& container)
    {
        for (const cDbItem& item : container.AllItems<cDbItem>()) {
            WithStoredClass(item, [&]<class T>(const T& stored, std::string_view name) {
                m_ar.WriteObjectHeader(name);
                T::Fields(stored, *this);
            });
        }
    }

    cArchiveOut& m_ar;
};

// A result goes to the first scheduled match of its pairing that holds no
// result yet, so that every playoff match (all share one pairing) keeps its own.
int LinkResults(cDatabase& db)
{
    struct cKeyHash
    {
        std::size_t operator()(const std::array<int, 4>& key) const
        {
            std::size_t h = 0;
            for (const int value : key) {
                h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(value));
            }
            return h;
        }
    };
    std::unordered_map<std::array<int, 4>, std::vector<cMatch*>, cKeyHash> byPairing;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        byPairing[{match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound}].push_back(&match);
    }
    std::unordered_map<std::array<int, 4>, std::size_t, cKeyHash> used;
    int dropped = 0;
    cDbItem* item = db.Results().GetHead();
    while (item != nullptr) {
        cDbItem* next = item->NextLink();
        auto& result = static_cast<cResult&>(*item);
        const std::array<int, 4> key = {result.m_nLeague, result.m_nHomeTeam, result.m_nGuestTeam,
                                        result.m_nRound};
        const auto found = byPairing.find(key);
        std::size_t& taken = used[key];
        if (found != byPairing.end() && taken < found->second.size()) {
            cResult::Link(result, *found->second[taken]);
            ++taken;
        } else {
            // A result of no match has no place in the database.
            std::unique_ptr<cDbItem> removed = db.Results().RemoveItem(result);
            ++dropped;
        }
        item = next;
    }
    return dropped;
}

} // namespace

double ReadVersion(std::string_view bytes)
{
    cArchiveIn ar(bytes);
    cFieldReader reader(ar, nullptr);
    cDocumentSettings settings;
    cDocumentSettings::Fields(settings, reader);
    return ar.Failed() ? -1.0 : reader.FileVersion();
}

eReadStatus ReadSnapshot(std::string_view bytes, cDatabase& db, cUserPrompt& prompt)
{
    cArchiveIn ar(bytes);
    ar.m_nIndexBudget = (std::size_t{1} << 20) + bytes.size();
    cFieldReader reader(ar, &prompt);
    cDocumentSettings::Fields(db.Settings(), reader);
    cDatabase::ContainerFields(db, reader);
    const eReadStatus status = reader.Status();
    if (status != eReadStatus::kOk) {
        return status;
    }
    LinkResults(db);
    // Files of this format written elsewhere may leave a period in its place
    // when a match takes its start, so their free time can stand out of start
    // order. The periods are the same in any order, but the scheduler walks
    // them from the earliest: the list is put back in order here, which
    // changes no period, so it is no repair and nobody is told.
    ResortItems(db.CourtTime());
    return eReadStatus::kOk;
}

eReadStatus ReadDatabase(std::string_view bytes, cDatabase& db, cUserPrompt& prompt)
{
    const eReadStatus status = ReadSnapshot(bytes, db, prompt);
    if (status != eReadStatus::kOk) {
        return status;
    }
    // A file is not trusted with the derived lists' flags and view filter marks.
    for (cTournelDb* container : {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), &db.Unscheduled(),
                                  &db.Scheduled(), &db.Results()}) {
        container->m_bUpToDate = 0;
    }
    return eReadStatus::kOk;
}

std::string WriteDatabase(const cDatabase& db)
{
    cArchiveOut ar;
    cFieldWriter writer(ar);
    cDocumentSettings::Fields(db.Settings(), writer);
    cDatabase::ContainerFields(db, writer);
    return ar.Data();
}
