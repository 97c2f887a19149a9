#pragma once

class Lookups;
class Prompter;
class Session;
class Settings;
class Stores;

// What every screen is handed when it opens: the process-wide values, the prompts, the
// settings store, the three stores and the look-up windows. The application owns them all.
struct AppContext
{
    Session &session;
    Prompter &prompter;
    Settings &settings;
    Stores &stores;
    Lookups *lookups = nullptr; // set once the look-up windows exist
};
