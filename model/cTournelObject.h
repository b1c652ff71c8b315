#pragma once

#include <string_view>

// Root of items and containers. Objects are never copied: containers own
// their items and items their child containers.
class cTournelObject
{
public:
    cTournelObject() = default;
    cTournelObject(const cTournelObject&) = delete;
    cTournelObject& operator=(const cTournelObject&) = delete;
    virtual ~cTournelObject() = default;

    // The class name as the database file records it ("cCourt", ...).
    virtual std::string_view GetRuntimeClass() const = 0;
    virtual int GetChildCount() const { return 0; }
};
