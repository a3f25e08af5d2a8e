#pragma once
// What the application sets up before it creates its windows.

struct ApplicationSetup {
    ApplicationSetup();
};
