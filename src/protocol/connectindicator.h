#pragma once

// The main window's Connect key, lit by every message a unit sends.
class ConnectIndicator
{
public:
    virtual ~ConnectIndicator() = default;
    virtual void setlit(bool lit) = 0;
};
