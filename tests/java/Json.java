import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * A small JSON parser and writer for the reader tests: objects keep their key order
 * (LinkedHashMap), arrays are Lists, strings Strings, true/false Booleans,
 * null JSON.NULL, numbers Json.Number holding their text.
 */
public class Json
{
    public static final Object NULL = new Object();

    public static final class Number
    {
        public final String text;

        Number(String text)
        {
            this.text = text;
        }

        public double value()
        {
            return Double.parseDouble(text);
        }

        public String toString()
        {
            return text;
        }
    }

    private final String s;
    private int pos;

    private Json(String s)
    {
        this.s = s;
    }

    public static Object parse(String text) throws IOException
    {
        Json p = new Json(text);
        Object v = p.value();
        p.skipSpace();
        if (p.pos != text.length())
            throw p.error("text after the document");
        return v;
    }

    private IOException error(String what)
    {
        return new IOException("JSON: " + what + " at offset " + pos);
    }

    private void skipSpace()
    {
        while (pos < s.length() && " \t\r\n".indexOf(s.charAt(pos)) >= 0)
            pos++;
    }

    private Object value() throws IOException
    {
        skipSpace();
        if (pos >= s.length())
            throw error("unexpected end");
        char c = s.charAt(pos);
        if (c == '{')
            return object();
        if (c == '[')
            return array();
        if (c == '"')
            return string();
        if (s.startsWith("true", pos)) {
            pos += 4;
            return Boolean.TRUE;
        }
        if (s.startsWith("false", pos)) {
            pos += 5;
            return Boolean.FALSE;
        }
        if (s.startsWith("null", pos)) {
            pos += 4;
            return NULL;
        }
        int start = pos;
        while (pos < s.length() && "+-0123456789.eE".indexOf(s.charAt(pos)) >= 0)
            pos++;
        if (start == pos)
            throw error("unexpected character '" + c + "'");
        Number n = new Number(s.substring(start, pos));
        try {
            n.value();
        } catch (NumberFormatException e) {
            throw error("bad number " + n.text);
        }
        return n;
    }

    private void expect(char c) throws IOException
    {
        skipSpace();
        if (pos >= s.length() || s.charAt(pos) != c)
            throw error("'" + c + "' expected");
        pos++;
    }

    private Map<String, Object> object() throws IOException
    {
        Map<String, Object> map = new LinkedHashMap<>();
        expect('{');
        skipSpace();
        if (pos < s.length() && s.charAt(pos) == '}') {
            pos++;
            return map;
        }
        do {
            skipSpace();
            String key = string();
            expect(':');
            if (map.put(key, value()) != null)
                throw error("duplicate key " + key);
            skipSpace();
        } while (pos < s.length() && s.charAt(pos++) == ',');
        if (s.charAt(pos - 1) != '}')
            throw error("'}' expected");
        return map;
    }

    private List<Object> array() throws IOException
    {
        List<Object> list = new ArrayList<>();
        expect('[');
        skipSpace();
        if (pos < s.length() && s.charAt(pos) == ']') {
            pos++;
            return list;
        }
        do {
            list.add(value());
            skipSpace();
        } while (pos < s.length() && s.charAt(pos++) == ',');
        if (s.charAt(pos - 1) != ']')
            throw error("']' expected");
        return list;
    }

    private String string() throws IOException
    {
        if (pos >= s.length() || s.charAt(pos) != '"')
            throw error("string expected");
        pos++;
        StringBuilder out = new StringBuilder();
        while (true) {
            if (pos >= s.length())
                throw error("unterminated string");
            char c = s.charAt(pos++);
            if (c == '"')
                return out.toString();
            if (c != '\\') {
                out.append(c);
                continue;
            }
            if (pos >= s.length())
                throw error("unterminated string");
            char e = s.charAt(pos++);
            switch (e) {
            case '"': out.append('"'); break;
            case '\\': out.append('\\'); break;
            case '/': out.append('/'); break;
            case 'b': out.append('\b'); break;
            case 'f': out.append('\f'); break;
            case 'n': out.append('\n'); break;
            case 'r': out.append('\r'); break;
            case 't': out.append('\t'); break;
            case 'u':
                if (pos + 4 > s.length())
                    throw error("bad \\u escape");
                out.append((char) Integer.parseInt(s.substring(pos, pos + 4), 16));
                pos += 4;
                break;
            default: throw error("bad escape \\" + e);
            }
        }
    }

    /** The document as text, indented by two. */
    public static String write(Object v)
    {
        StringBuilder out = new StringBuilder();
        write(out, v, "");
        return out.append('\n').toString();
    }

    @SuppressWarnings("unchecked")
    private static void write(StringBuilder out, Object v, String indent)
    {
        String inner = indent + "  ";
        if (v instanceof Map) {
            Map<String, Object> map = (Map<String, Object>) v;
            out.append('{');
            String sep = "\n";
            for (Map.Entry<String, Object> e : map.entrySet()) {
                out.append(sep).append(inner).append(quote(e.getKey())).append(": ");
                write(out, e.getValue(), inner);
                sep = ",\n";
            }
            out.append(map.isEmpty() ? "}" : "\n" + indent + "}");
        } else if (v instanceof List) {
            List<Object> list = (List<Object>) v;
            out.append('[');
            String sep = "\n";
            for (Object item : list) {
                out.append(sep).append(inner);
                write(out, item, inner);
                sep = ",\n";
            }
            out.append(list.isEmpty() ? "]" : "\n" + indent + "]");
        } else if (v instanceof String) {
            out.append(quote((String) v));
        } else if (v == NULL) {
            out.append("null");
        } else {
            out.append(v);  // Number, Boolean
        }
    }

    public static Number number(String text)
    {
        return new Number(text);
    }

    public static String quote(String s)
    {
        StringBuilder out = new StringBuilder("\"");
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c == '"' || c == '\\')
                out.append('\\').append(c);
            else if (c < 0x20)
                out.append(String.format("\\u%04x", (int) c));
            else
                out.append(c);
        }
        return out.append('"').toString();
    }
}
