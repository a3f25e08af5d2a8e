#pragma once
// The product credits shown by the Info window, kept in one place.

namespace credits {

inline constexpr char Author[] = "il team Voltaris";
inline constexpr char AuthorEmail[] = "voltaris@ardenor.example";
inline constexpr char ProceduresFirstLine[] = "Ufficio Tecnico, Reparto Impianti,";
inline constexpr char ProceduresSecondLine[] = "Laboratorio Misure, Servizio Formazione";
inline constexpr char WebAddress[] = "https://www.ardenor.example";
inline constexpr char MakerEmail[] = "info@ardenor.example";

}  // namespace credits
