// Real input for the contract suite: the page asks, the driver that runs the
// page (run_test_page.mjs) takes each request, has the browser carry it out,
// and answers; the suite goes on once the browser has dispatched it.
globalThis.trimvaleTestRequests = [];
globalThis.trimvaleTestInput = function (request) {
  return new Promise(function (done) {
    globalThis.trimvaleTestRequests.push({ request: JSON.parse(request), done: done });
  });
};
globalThis.trimvaleTestTake = function () {
  var next = globalThis.trimvaleTestRequests[0];
  return next ? next.request : null;
};
globalThis.trimvaleTestDone = function () {
  var next = globalThis.trimvaleTestRequests.shift();
  // One more task: what the input set off by default has run by then.
  setTimeout(next.done, 0);
};
