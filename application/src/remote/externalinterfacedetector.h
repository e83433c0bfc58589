#pragma once

// Tells from two GPIO lines which option board sits on "/dev/ttyO1": gpio20
// reads "1" when one is fitted, gpio82 then "1" for RS-232 and "0" for IEEE-488.
class TExternalInterfaceDetector
{
public:
    // At most one of the two is set.
    void getAttachedInterfaces(bool& oRS232, bool& oIEEE488) const;
};
