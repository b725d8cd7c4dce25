// Runs a test page in Debian's Chromium, headless: a page whose program is a
// test suite that works the page with real input. Carries out each click and
// key the page asks for, passes the suite's output on, and exits with its
// result.
//
//     node run_test_page.mjs TEST-PAGE.html [GTEST-FILTER]
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, filter] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium' });
const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
let exitCode = null;
page.on('console', (message) => {
    const text = message.text();
    console.log(text);
    const end = text.match(/^trimvale-test-exit (\d+)$/);
    if (end) exitCode = Number(end[1]);
});
page.on('pageerror', (error) => {
    console.log(`page error: ${error.name}: ${error.message} ${error.stack}`);
    exitCode = 1;
});
await page.goto(pathToFileURL(pagePath).href + (filter ? `#${filter}` : ''));

const deadline = Date.now() + 540_000;
while (exitCode === null && Date.now() < deadline) {
    const request = await page.evaluate(() => globalThis.trimvaleTestTake?.() ?? null);
    if (!request) {
        await new Promise((resolve) => setTimeout(resolve, 5));
        continue;
    }
    if (request.click) await page.mouse.click(request.click[0], request.click[1]);
    else await page.keyboard.press(request.key);
    await page.evaluate(() => globalThis.trimvaleTestDone());
}
await browser.close();
if (exitCode === null) console.log('The test page did not finish in time.');
process.exit(exitCode === 0 ? 0 : 1);
