#pragma once

#include <memory>
#include <type_traits>

#include "items/CBaseItemValuePage.h"
#include "items/Item.h"

namespace tarnholt {

/// A value page bound to the value record class `Values`. The fields are reached through the
/// working item every time, because the record is replaced when the item is copied over.
template <class Values> class CItemValuePage : public CBaseItemValuePage {
protected:
    using CBaseItemValuePage::CBaseItemValuePage;

    /// The item's record of this page's class. An item whose record does not fit its type (which
    /// the editor never makes) gets a default one rather than having the wrong class written to.
    Values& values() const
    {
        Item& item = context().item;
        auto* record = dynamic_cast<Values*>(item.valueRecord.get());
        if (record == nullptr) {
            auto fresh = std::make_unique<Values>();
            record = fresh.get();
            item.valueRecord = std::move(fresh);
        }
        return *record;
    }

    /// An accessor of one field of the record, for the binding helpers.
    template <class Field, class Owner> std::function<Field&()> bind(Field Owner::*member) const
    {
        static_assert(std::is_base_of_v<Owner, Values>);
        return [this, member]() -> Field& { return values().*member; };
    }
};

} // namespace tarnholt
