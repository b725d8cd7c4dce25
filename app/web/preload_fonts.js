// The faces start loading while the program compiles, so that the first
// frame of the questionnaire is drawn in them.
if (typeof document !== 'undefined' && document.fonts) {
  ['12px "Trimvale Sans"', 'bold 12px "Trimvale Sans"', 'italic bold 12px "Trimvale Sans"',
   'bold 32px "Trimvale Script"'].forEach(function (face) { document.fonts.load(face); });
}
