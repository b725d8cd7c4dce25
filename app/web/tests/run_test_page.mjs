// Runs a test page in one of the browser engines: a page whose program is a
// test suite that works the page with real input. Carries out each click and
// key the page asks for, passes the suite's output on, and exits with its
// result.
//
//     node run_test_page.mjs TEST-PAGE.html [ENGINE [GTEST-FILTER]]
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchEngine } from './engines.mjs';

const [pagePath, engineName = 'chromium', filter] = process.argv.slice(2);
const engine = await launchEngine(engineName);
const page = await engine.open(null, { width: 1280, height: 800 });
await page.goto(pathToFileURL(resolve(pagePath)).href + (filter ? `#${filter}` : ''));

let exitCode = null;
const deadline = Date.now() + 540_000;
while (exitCode === null && Date.now() < deadline) {
    const { request, output } = await page.evaluate(() => globalThis.trimvaleTestPoll?.() ??
        { request: null, output: [] });
    for (const line of output) {
        console.log(line);
        const end = line.match(/^trimvale-test-exit (\d+)$/);
        if (end) exitCode = Number(end[1]);
    }
    for (const message of page.messages.splice(0)) {
        console.log(`${engineName}: ${message}`);
        if (message.startsWith('page error')) exitCode = 1;
    }
    if (!request) {
        await new Promise((done) => setTimeout(done, 5));
        continue;
    }
    if (request.click) await page.click(request.click[0], request.click[1]);
    else await page.press(request.key);
    await page.evaluate(() => globalThis.trimvaleTestDone());
}
await engine.close();
if (exitCode === null) console.log(`${engineName}: the test page did not finish in time.`);
process.exit(exitCode === 0 ? 0 : 1);
