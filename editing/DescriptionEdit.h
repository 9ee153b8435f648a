#pragma once

#include <QString>

namespace sentrel::editing {

class EditHost;

// A browser's or folder's description changed in place in the browser tree.
class DescriptionEdit {
  public:
    enum class Outcome { Unchanged, Changed, Refused };

    explicit DescriptionEdit(EditHost& host) : host_(host) {}

    // Checks the new text and stores it with the date stamp and merge record 2. Refused
    // (with a message) when it is empty or another live browser already has it.
    Outcome apply(const QString& typeName, const QString& oldText, const QString& newText);

  private:
    EditHost& host_;
};

}  // namespace sentrel::editing
