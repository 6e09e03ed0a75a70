#include "MyForm.h"

int main() {
    forms::Application::SetCompatibleTextRenderingDefault(false);
    forms::Application::EnableVisualStyles();
    Quillbox2021::MyForm form;
    try {
        forms::Application::Run(form);
    } catch (...) {
        form.Dispose();
        throw;
    }
    form.Dispose();
    return 0;
}
