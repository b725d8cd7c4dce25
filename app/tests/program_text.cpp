// Prints a result window's text as stored, for the tests that read the
// program through assistive technology: program_text Form2
#include <content/programtext.h>
#include <questionnaire/resultkind.h>

#include <cstdio>
#include <string_view>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds) {
        if (questionnaire::formName(kind) == std::string_view(argv[1])) {
            const std::string_view text = content::programText(kind);
            std::fwrite(text.data(), 1, text.size(), stdout);
            return 0;
        }
    }
    return 2;
}
