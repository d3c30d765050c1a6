#include "render/RenderSettings.h"

#include "store/Ansi.h"

TRenderOptions RenderOptionsFromSettings(const Settings& settings, const TPageLayout& layout)
{
    TRenderOptions options;
    options.PrintTitle = settings.PrintTitle;
    options.PrintBody = settings.PrintBody;
    options.PrintClues = settings.PrintClues;
    options.PrintWords = settings.PrintWords;
    options.PrintBonus = settings.PrintBonus;
    options.AnswerKey = settings.AnswerKey;
    options.PartialAnswers = settings.PartialAnswer;
    options.PartialLetters = settings.PartialLetters;
    options.Letters = Ansi::fromUnicode(settings.Letters);
    options.UseBoxes = settings.UseBoxes;
    options.BoxColor = std::uint32_t(settings.BoxColor);
    options.SepDash = settings.WordSepDash;
    options.SepSlash = settings.WordSepSlash;
    options.SepPlus = settings.WordSepPlus;
    options.SepStar = settings.WordSepStar;
    options.SepOther = settings.WordSepOther;
    options.SepChar = settings.WordSepChar;
    options.AcrossHeading = Ansi::fromUnicode(settings.AcrossLabel);
    options.DownHeading = Ansi::fromUnicode(settings.DownLabel);
    ApplyLayoutSetup(options, layout);
    return options;
}
