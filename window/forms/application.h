#pragma once

namespace forms {

class Form;

class Application {
public:
    // Kept for the program's start-up; Qt renders all text the same way.
    static void SetCompatibleTextRenderingDefault(bool compatible);
    // Uses a style that honours the colours controls are given.
    static void EnableVisualStyles();
    // Shows `form`, handles the events of the program until the user closes
    // it, then disposes it.
    static void Run(Form& form);
    // Handles the events waiting now (painting, timers, input not dropped by
    // a busy window), then returns.
    static void DoEvents();
};

}  // namespace forms
