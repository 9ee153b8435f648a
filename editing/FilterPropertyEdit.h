#pragma once

#include <QString>

namespace sentrel::editing {

class EditHost;

// The property of a filter changed in place in the filter list.
class FilterPropertyEdit {
  public:
    explicit FilterPropertyEdit(EditHost& host) : host_(host) {}

    // Sets the property of the filter whose row key is `rowKey` ("K" + unique id) and
    // records the change like every other filter change (merge record 11, markModified).
    // False when the text is the filter's property already (nothing changes), and, after a
    // message, when it names no property the filter dialog offers or the filter is not found.
    bool apply(const QString& rowKey, const QString& newProperty);

  private:
    EditHost& host_;
};

}  // namespace sentrel::editing
