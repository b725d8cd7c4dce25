// Without WebAssembly the program cannot start; the page says so in a
// sentence instead of showing a questionnaire that takes no answers.
if (typeof WebAssembly !== 'object') {
  document.getElementById('cannot-start').hidden = false;
  document.body.classList.add('without-program');
  throw new Error('Trimvale needs WebAssembly, which this browser does not run.');
}
