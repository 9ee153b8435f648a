#pragma once

#include <string_view>

#include "detect/BddContent.h"

namespace sentrel::detect {

// Reads the XML text of a BDD (already unscrambled) into its content:
//   <BrowserInfo>
//     <Property name="..."><type>1..4</type></Property>            one per property
//     <BrowserTemplate name="..."><matchString/><parentID/><desc/>
//         <PropertyName>value</PropertyName>...</BrowserTemplate>  one per entry
//     <filter id="K.."><priority/><property/><condition/><valueToSet/><type/><dataField/>
//         </filter>                                                one per filter
//     <BDDInfo><BDDVersion/><BDDDate/></BDDInfo>
//   </BrowserInfo>
// Property elements of an entry are matched to the declared properties without regard to
// case; an element for an undeclared property declares it (as text) rather than losing it. A
// property an entry leaves out takes the value of its parent entry, if the file has it.
// Unknown elements are skipped so that newer files stay readable. Text that is not such a
// document throws DetectError (kNotADataFile) saying why.
class BddParser {
  public:
    static BddContent parse(std::string_view text);
};

}  // namespace sentrel::detect
