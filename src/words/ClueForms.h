#pragma once
// Putting a clue into the form of its answer: plural clues for plurals, past clues for past tenses.

#include <QString>

class LexicalSource;

namespace ClueForms {

/** The form an answer takes of the word whose meaning clues it. */
enum Form { Base, Plural, Past, ThirdPerson, Participle, Comparative, Superlative };

/** The form of an answer ("geese") of a meaning filed under lemma ("goose"), a noun, verb or adjective. */
Form FormOf(const QString& answer, const QString& lemma, const QString& partOfSpeech);

/** One word (or the last word of a noun phrase, the first of a verb phrase) put into a form. */
QString Inflect(const LexicalSource& source, const QString& phrase, Form form);

/**
 * A definition put into a form: a noun's "a young person of either sex" becomes "young people of
 * either sex", "any of numerous small rodents" "small rodents"; a verb's leading verbs take the
 * tense ("move fast" becomes "moved fast"). Empty when the definition cannot be put into the form
 * (an adjective's definition as a comparative).
 */
QString Definition(const LexicalSource& source, const QString& definition, Form form);

} // namespace ClueForms
