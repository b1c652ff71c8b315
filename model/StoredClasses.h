#pragma once

// Every item class a database file stores, with the name its records carry
// and its bit (StoredFields.h); readers, writers and dumps find a class's
// Fields through this list.

#include "model/StoredFields.h"
#include "model/cCourt.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"

#include <string_view>
#include <type_traits>
#include <typeinfo>

// Calls fn(std::type_identity<T>{}, name, bit) for each stored class T;
// stops at the first call that returns true, and returns whether one did.
template <class Fn> bool ForEachStoredClass(Fn&& fn)
{
    return fn(std::type_identity<cCourt>{}, "cCourt", kCourtClass) ||
           fn(std::type_identity<cUnusedTime>{}, "cUnusedTime", kUnusedTimeClass) ||
           fn(std::type_identity<cLeague>{}, "cLeague", kLeagueClass) ||
           fn(std::type_identity<cTeam>{}, "cTeam", kTeamClass) ||
           fn(std::type_identity<cHomeGround>{}, "cHomeGround", kHomeGroundClass) ||
           fn(std::type_identity<cIllDate>{}, "cIllDate", kIllDateClass) ||
           fn(std::type_identity<cIllTeam>{}, "cIllTeam", kIllTeamClass) ||
           fn(std::type_identity<cPreferredTime>{}, "cPreferredTime", kPreferredTimeClass) ||
           fn(std::type_identity<cReferee>{}, "cReferee", kRefereeClass) ||
           fn(std::type_identity<cUnscheduledMatch>{}, "cUnscheduledMatch", kUnscheduledClass) ||
           fn(std::type_identity<cMatch>{}, "cMatch", kMatchClass) ||
           fn(std::type_identity<cPlayoffMatch>{}, "cPlayoffMatch", kPlayoffClass) ||
           fn(std::type_identity<cResult>{}, "cResult", kResultClass) ||
           fn(std::type_identity<cTableItem>{}, "cTableItem", kTableItemClass);
}

// Calls fn(static_cast<T&>(item), name) with T the stored class the item is
// exactly (const when the item is); false, without a call, when it is none.
template <class Item, class Fn> bool WithStoredClass(Item& item, Fn&& fn)
{
    return ForEachStoredClass([&]<class T>(std::type_identity<T>, std::string_view name, unsigned) {
        if (typeid(item) != typeid(T)) {
            return false;
        }
        using Target = std::conditional_t<std::is_const_v<Item>, const T, T>;
        fn(static_cast<Target&>(item), name);
        return true;
    });
}
