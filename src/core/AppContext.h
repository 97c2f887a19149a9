#pragma once

class Prompter;
class Session;
class Settings;
class Stores;

// What every screen is handed when it opens: the process-wide values, the prompts, the
// settings store and the three stores. The application owns all four.
struct AppContext
{
    Session &session;
    Prompter &prompter;
    Settings &settings;
    Stores &stores;
};
