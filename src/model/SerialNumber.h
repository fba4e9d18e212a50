#pragma once

namespace morvane {

// The number a panel's badge shows. Components start at number 2, so the
// first one shows 1; texts are counted after the components that exist.
class SerialNumber {
public:
    static int ForComponent(int componentNumber) { return componentNumber - 1; }
    static int ForText(int textNumber, int componentCounter) { return textNumber + componentCounter - 1; }
};

} // namespace morvane
