// What the contract suite's page shares with the driver that runs it
// (run_test_page.mjs), in every engine: the suite's output, kept for the
// driver to collect, and real input, which the page asks for and the driver
// has the browser carry out; the suite goes on once the browser has
// dispatched it.
globalThis.trimvaleTestOutput = [];
var consoleLog = console.log;
console.log = function () {
  globalThis.trimvaleTestOutput.push(Array.prototype.join.call(arguments, ' '));
  consoleLog.apply(console, arguments);
};
globalThis.trimvaleTestRequests = [];
globalThis.trimvaleTestInput = function (request) {
  return new Promise(function (done) {
    globalThis.trimvaleTestRequests.push({ request: JSON.parse(request), done: done });
  });
};
// The next request not yet carried out, and the output since the last call.
globalThis.trimvaleTestPoll = function () {
  var next = globalThis.trimvaleTestRequests[0];
  return { request: next ? next.request : null, output: globalThis.trimvaleTestOutput.splice(0) };
};
globalThis.trimvaleTestDone = function () {
  var next = globalThis.trimvaleTestRequests.shift();
  // One more task: what the input set off by default has run by then.
  setTimeout(next.done, 0);
};
